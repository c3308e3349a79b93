#include "engine/true_solar_time.h"

#include <cstdlib>
#include <optional>
#include <string>

#include "engine/city_table.h"
#include "engine/civil_clock.h"
#include "engine/calendar_tables.h"
#include "engine/chart_state.h"
#include "engine/lunar_calendar.h"
#include "engine/options.h"
#include "engine/solar_terms.h"

namespace orvane {
namespace {

// The single-precision 1/24 of the interpolation.
constexpr float kOneTwentyFourth = 0.041666668f;

// The latest 节 or 中气 on or before the birth day, as a term number
// (立春 = 0 … 大寒 = 23), and the days from its day to the birth day.
struct TermDay {
    int term = 0;
    int daysAfter = 0;
};

std::optional<TermDay> latest_term_day(const LunarDate& birth, int birthDayNumber) {
    const int k0 = term_index(birth.year, base_month(birth.monthCode) - 1);
    std::optional<TermDay> best;
    int bestDay = 0;
    for (int k = k0 - 1; k <= k0 + 3; ++k) {
        if (!has_term_entry(k)) continue;
        const int j = k % 12 == 0 ? 12 : k % 12;
        const TermMoment moments[2] = {jie_moment(k), qi_moment(k)};
        for (int half = 0; half < 2; ++half) {
            auto date = term_solar_date(moments[half]);
            if (!date) continue;
            int day = days_from_civil(*date);
            if (day <= birthDayNumber && (!best || day > bestDay)) {
                bestDay = day;
                best = TermDay{2 * (j - 1) + half, birthDayNumber - day};
            }
        }
    }
    return best;
}

// The moment of a minute count (minutes since 1970-01-01 00:00 of a civil clock),
// with the lunar date of its day (zeros outside the tables).
BirthMoment moment_at(long long minutes) {
    const long long day = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    const int minuteOfDay = static_cast<int>(minutes - day * 1440);
    const SolarDate date = civil_from_days(static_cast<int>(day));
    BirthMoment m;
    m.solarYear = date.year;
    m.solarMonth = date.month;
    m.solarDay = date.day;
    m.hour = minuteOfDay / 60;
    m.minute = minuteOfDay % 60;
    if (auto lunar = lunar_date_of_solar(date)) {
        m.lunarYear = lunar->year;
        m.lunarMonthCode = lunar->monthCode;
        m.lunarDay = lunar->day;
    }
    return m;
}

long long minute_of(const SolarDate& date, int hour, int minute) {
    return static_cast<long long>(days_from_civil(date)) * 1440 + hour * 60 + minute;
}

// The entered clock read as Beijing standard time, uncorrected.
void keep_entered_clock(long long entered) {
    chart.zoneOffsetSec = kBeijingOffsetSec;
    chart.beijingTime = moment_at(entered);
    chart.trueSolarTime = chart.beijingTime;
    chart.solarHour = chart.birthHour;
    chart.solarMinute = chart.birthMinute;
}

}  // namespace

int equation_of_time_slot_seconds(int slot) {
    const EquationOfTimeSlot& s = EquationOfTimeTable[static_cast<size_t>(((slot % 385) + 385) % 385)];
    return s.minutes * 60 + s.seconds;
}

int equation_of_time_seconds(int slotBase, int hour, int minute) {
    const int e0 = equation_of_time_slot_seconds(slotBase);
    const int e1 = equation_of_time_slot_seconds(slotBase + 1);
    const int e2 = equation_of_time_slot_seconds(slotBase + 2);
    if (hour >= 12) {
        int w = static_cast<int>(static_cast<float>(hour - 12) * kOneTwentyFourth * static_cast<float>(std::abs(e1 - e2)));
        return e1 < e2 ? e1 + w : e1 - w;
    }
    int hoursBeforeNoon = 13 - hour + (minute == 0 ? 1 : 0);
    int w = static_cast<int>(static_cast<float>(hoursBeforeNoon) * kOneTwentyFourth * static_cast<float>(std::abs(e0 - e1)));
    return e0 < e1 ? e1 - w : e1 + w;
}

void apply_true_solar_time() {
    const SolarDate enteredDate{chart.solarYear, chart.solarMonth, chart.solarDay};
    const long long entered = minute_of(enteredDate, chart.birthHour, chart.birthMinute);
    if (!options.optTrueSolarTime) {
        chart.birthProvince.clear();
        chart.birthCity.clear();
        chart.birthZone.clear();
        chart.enteredLongitude = chart.enteredLatitude = 0.0f;
        keep_entered_clock(entered);
        return;
    }
    std::string zone = chart.birthZone;
    if (!zone.empty()) {
        chart.birthLongitude = chart.enteredLongitude;
        chart.birthLatitude = chart.enteredLatitude;
    } else if (const CityEntry* place = find_place(chart.birthProvince, chart.birthCity)) {
        zone = kChinaZone;
        chart.birthLongitude = place->longitude;
        chart.birthLatitude = place->latitude;
    } else {
        // An unlisted place is not corrected: the clock of the civil meridian stands.
        chart.birthLongitude = 120.0f;
        chart.birthLatitude = 0.0f;
        keep_entered_clock(entered);
        chart.hourBranchNo = hour_branch_of_hour(chart.birthHour);
        return;
    }
    // The entered clock is the civil time of the place: back to its standard
    // time, then to Beijing time for the terms. A zone checked on entry that the
    // database no longer knows reads as Beijing standard time.
    const CivilClockReading clock =
        read_civil_clock(zone, enteredDate, chart.birthHour, chart.birthMinute).value_or(CivilClockReading{kBeijingOffsetSec, 0});
    chart.daylightSavingSec = clock.daylightSavingSec;
    chart.zoneOffsetSec = clock.standardOffsetSec;
    const long long standard = entered + clock.daylightSavingSec / 60;
    chart.beijingTime = moment_at(standard + (kBeijingOffsetSec - clock.standardOffsetSec) / 60);

    // Longitude against the meridian of the zone's standard time (120° E for China).
    chart.longitudeCorrectionSec =
        longitude_correction_seconds(chart.birthLongitude, static_cast<float>(clock.standardOffsetSec) / 240.0f);

    const BirthMoment local = moment_at(standard);
    const LunarDate localDate{local.lunarYear, local.lunarMonthCode, local.lunarDay};
    const int localDay = days_from_civil(local.solarYear, local.solarMonth, local.solarDay);
    if (auto term_day = latest_term_day(localDate, localDay))
        chart.equationOfTimeSec = equation_of_time_seconds(equation_of_time_slot_base(term_day->term, term_day->daysAfter),
                                                        local.hour, local.minute);

    const int delta = correction_minutes(chart.longitudeCorrectionSec + chart.equationOfTimeSec);
    chart.trueSolarTime = moment_at(standard + delta);
    chart.solarHour = chart.trueSolarTime.hour;
    chart.solarMinute = chart.trueSolarTime.minute;
    chart.hourBranchNo = hour_branch_of_hour(chart.solarHour);
}

}  // namespace orvane

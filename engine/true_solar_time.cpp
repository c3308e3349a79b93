#include "engine/true_solar_time.h"

#include <cstdlib>
#include <optional>

#include "engine/city_table.h"
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

std::optional<TermDay> latestTermDay(const LunarDate& birth, int birthDayNumber) {
    const int k0 = termIndex(birth.year, baseMonth(birth.monthCode) - 1);
    std::optional<TermDay> best;
    int bestDay = 0;
    for (int k = k0 - 1; k <= k0 + 3; ++k) {
        if (!hasTermEntry(k)) continue;
        const int j = k % 12 == 0 ? 12 : k % 12;
        const TermMoment moments[2] = {jieMoment(k), qiMoment(k)};
        for (int half = 0; half < 2; ++half) {
            auto date = termSolarDate(moments[half]);
            if (!date) continue;
            int day = daysFromCivil(*date);
            if (day <= birthDayNumber && (!best || day > bestDay)) {
                bestDay = day;
                best = TermDay{2 * (j - 1) + half, birthDayNumber - day};
            }
        }
    }
    return best;
}

// Moves the lunar date of the chart one day on (+1) or back (-1), by the lunar
// day where it stays inside the month, else through the solar calendar.
void shiftLunarDay(int step) {
    if (step > 0 && chart.lunarDay < 29) {
        ++chart.lunarDay;
        return;
    }
    if (step < 0 && chart.lunarDay > 1) {
        --chart.lunarDay;
        return;
    }
    SolarDate next = civilFromDays(daysFromCivil(chart.solarYear, chart.solarMonth, chart.solarDay) + step);
    auto lunar = lunarDateOfSolar(next);
    if (!lunar) return;  // the validated birth range keeps this inside the tables
    chart.lunarYear = lunar->year;
    chart.lunarMonthCode = lunar->monthCode;
    chart.lunarDay = lunar->day;
    chart.leapMonth = isLeapCode(lunar->monthCode) ? 1 : 0;
    chart.nominalAge = chart.currentLunarYear - chart.lunarYear + 1;
}

}  // namespace

int equationOfTimeSlotSeconds(int slot) {
    const EquationOfTimeSlot& s = EquationOfTimeTable[static_cast<size_t>(((slot % 385) + 385) % 385)];
    return s.minutes * 60 + s.seconds;
}

int equationOfTimeSeconds(int slotBase, int hour, int minute) {
    const int e0 = equationOfTimeSlotSeconds(slotBase);
    const int e1 = equationOfTimeSlotSeconds(slotBase + 1);
    const int e2 = equationOfTimeSlotSeconds(slotBase + 2);
    if (hour >= 12) {
        int w = static_cast<int>(static_cast<float>(hour - 12) * kOneTwentyFourth * static_cast<float>(std::abs(e1 - e2)));
        return e1 < e2 ? e1 + w : e1 - w;
    }
    int hoursBeforeNoon = 13 - hour + (minute == 0 ? 1 : 0);
    int w = static_cast<int>(static_cast<float>(hoursBeforeNoon) * kOneTwentyFourth * static_cast<float>(std::abs(e0 - e1)));
    return e0 < e1 ? e1 - w : e1 + w;
}

void apply_true_solar_time() {
    if (!options.optTrueSolarTime) {
        chart.birthProvince.clear();
        chart.birthCity.clear();
        chart.solarHour = chart.birthHour;
        chart.solarMinute = chart.birthMinute;
        return;
    }
    const CityEntry* place = find_place(chart.birthProvince, chart.birthCity);
    if (!place) {
        // An unlisted place is not corrected: the clock of the civil meridian stands.
        chart.birthLongitude = 120.0f;
        chart.birthLatitude = 0.0f;
        chart.solarHour = chart.birthHour;
        chart.solarMinute = chart.birthMinute;
        chart.hourBranchNo = hourBranchOfHour(chart.birthHour);
        return;
    }
    chart.birthLongitude = place->longitude;
    chart.birthLatitude = place->latitude;
    chart.longitudeCorrectionSec = longitudeCorrectionSeconds(chart.birthLongitude);

    const int birthDay = daysFromCivil(chart.solarYear, chart.solarMonth, chart.solarDay);
    const LunarDate birth{chart.lunarYear, chart.lunarMonthCode, chart.lunarDay};
    if (auto termDay = latestTermDay(birth, birthDay))
        chart.equationOfTimeSec = equationOfTimeSeconds(equationOfTimeSlotBase(termDay->term, termDay->daysAfter),
                                                        chart.birthHour, chart.birthMinute);

    const int delta = correctionMinutes(chart.longitudeCorrectionSec + chart.equationOfTimeSec);
    const ClockTime corrected = addMinutes(chart.birthHour, chart.birthMinute, delta);
    const SolarDate entered{chart.solarYear, chart.solarMonth, chart.solarDay};
    if (corrected.hour >= 24) shiftLunarDay(+1);
    if (corrected.hour < 0) shiftLunarDay(-1);
    chart.solarYear = entered.year;  // only the lunar date keeps the change
    chart.solarMonth = entered.month;
    chart.solarDay = entered.day;

    chart.solarHour = (corrected.hour + 24) % 24;
    chart.solarMinute = corrected.minute;
    chart.hourBranchNo = hourBranchOfHour(chart.solarHour);
}

}  // namespace orvane

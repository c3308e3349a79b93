#include "engine/lunar_calendar.h"

#include "engine/calendar_tables.h"
#include "engine/chart_state.h"
#include "platform/clock.h"

namespace orvane {
namespace {

const LunarYearRow& row_of(int lunarYear) { return LunarYearTable[static_cast<size_t>(lunarYear - kTableFirstYear)]; }

int new_year_day_number(int lunarYear) {
    int md = NewYearDateTable[static_cast<size_t>(lunarYear - kTableFirstYear)];
    return days_from_civil(lunarYear, md / 100, md % 100);
}

}  // namespace

bool has_lunar_year(int lunarYear) { return lunarYear >= kTableFirstYear && lunarYear <= kTableLastYear; }

int leapMonthOfYear(int lunarYear) { return has_lunar_year(lunarYear) ? row_of(lunarYear)[0] / 10 : 0; }

int lunar_month_length(int lunarYear, int monthCode) {
    if (!has_lunar_year(lunarYear)) return 0;
    const LunarYearRow& row = row_of(lunarYear);
    if (is_leap_code(monthCode)) {
        if (row[0] / 10 != base_month(monthCode) || row[0] == 0) return 0;
        return 29 + row[0] % 10;
    }
    if (monthCode < 1 || monthCode > 12) return 0;
    return 29 + row[static_cast<size_t>(monthCode)];
}

int daysBeforeLunarMonth(int lunarYear, int monthCode) {
    if (!has_lunar_year(lunarYear)) return 0;
    const int leap = leapMonthOfYear(lunarYear);
    // A leap month L + 20 follows month L; a regular month m follows the leap
    // month when the leap month comes after a month before m.
    const int monthsBefore = is_leap_code(monthCode) ? base_month(monthCode) : monthCode - 1;
    int days = 0;
    for (int m = 1; m <= monthsBefore && m <= 12; ++m) days += lunar_month_length(lunarYear, m);
    if (!is_leap_code(monthCode) && leap >= 1 && leap < monthCode) days += lunar_month_length(lunarYear, leap_code_of(leap));
    return days;
}

std::optional<SolarDate> solar_date_of_lunar(const LunarDate& date) {
    if (!has_lunar_year(date.year)) return std::nullopt;
    int length = lunar_month_length(date.year, date.monthCode);
    if (length == 0 || date.day < 1 || date.day > length) return std::nullopt;
    return civil_from_days(new_year_day_number(date.year) + daysBeforeLunarMonth(date.year, date.monthCode) + date.day - 1);
}

std::optional<LunarDate> lunar_date_of_solar(const SolarDate& date) {
    if (!is_valid_solar_date(date.year, date.month, date.day) || !has_lunar_year(date.year)) return std::nullopt;
    const int dayNumber = days_from_civil(date);
    int lunarYear = date.year;
    if (dayNumber < new_year_day_number(lunarYear)) --lunarYear;
    if (!has_lunar_year(lunarYear)) return std::nullopt;
    int remaining = dayNumber - new_year_day_number(lunarYear) + 1;  // the new-year day counts 1
    const int leap = leapMonthOfYear(lunarYear);
    for (int m = 1; m <= 12; ++m) {
        int length = lunar_month_length(lunarYear, m);
        if (remaining <= length) return LunarDate{lunarYear, m, remaining};
        remaining -= length;
        if (m == leap) {
            int leapLength = lunar_month_length(lunarYear, leap_code_of(m));
            if (remaining <= leapLength) return LunarDate{lunarYear, leap_code_of(m), remaining};
            remaining -= leapLength;
        }
    }
    return std::nullopt;  // past the year's last month: the tables disagree with each other
}

int currentLunarYear() {
    platform::LocalTime now = platform::now_local();
    int year = now.year;
    if (!has_lunar_year(year)) return year;
    int md = NewYearDateTable[static_cast<size_t>(year - kTableFirstYear)];
    return now.month * 100 + now.day >= md ? year : year - 1;
}

bool lunarToSolar() {
    auto solar = solar_date_of_lunar({chart.lunarYear, chart.lunarMonthCode, chart.lunarDay});
    if (!solar) return false;
    chart.solarYear = solar->year;
    chart.solarMonth = solar->month;
    chart.solarDay = solar->day;
    return true;
}

bool solarToLunar() {
    auto lunar = lunar_date_of_solar({chart.solarYear, chart.solarMonth, chart.solarDay});
    if (!lunar) return false;
    chart.lunarYear = lunar->year;
    chart.lunarMonthCode = lunar->monthCode;
    chart.lunarDay = lunar->day;
    chart.nominalAge = chart.currentLunarYear - chart.lunarYear + 1;
    return true;
}

}  // namespace orvane

#include "engine/lunar_calendar.h"

#include "engine/calendar_tables.h"
#include "engine/chart_state.h"
#include "platform/clock.h"

namespace orvane {
namespace {

const LunarYearRow& rowOf(int lunarYear) { return LunarYearTable[static_cast<size_t>(lunarYear - kTableFirstYear)]; }

int newYearDayNumber(int lunarYear) {
    int md = NewYearDateTable[static_cast<size_t>(lunarYear - kTableFirstYear)];
    return daysFromCivil(lunarYear, md / 100, md % 100);
}

}  // namespace

bool hasLunarYear(int lunarYear) { return lunarYear >= kTableFirstYear && lunarYear <= kTableLastYear; }

int leapMonthOfYear(int lunarYear) { return hasLunarYear(lunarYear) ? rowOf(lunarYear)[0] / 10 : 0; }

int lunarMonthLength(int lunarYear, int monthCode) {
    if (!hasLunarYear(lunarYear)) return 0;
    const LunarYearRow& row = rowOf(lunarYear);
    if (isLeapCode(monthCode)) {
        if (row[0] / 10 != baseMonth(monthCode) || row[0] == 0) return 0;
        return 29 + row[0] % 10;
    }
    if (monthCode < 1 || monthCode > 12) return 0;
    return 29 + row[static_cast<size_t>(monthCode)];
}

int daysBeforeLunarMonth(int lunarYear, int monthCode) {
    if (!hasLunarYear(lunarYear)) return 0;
    const int leap = leapMonthOfYear(lunarYear);
    // A leap month L + 20 follows month L; a regular month m follows the leap
    // month when the leap month comes after a month before m.
    const int monthsBefore = isLeapCode(monthCode) ? baseMonth(monthCode) : monthCode - 1;
    int days = 0;
    for (int m = 1; m <= monthsBefore && m <= 12; ++m) days += lunarMonthLength(lunarYear, m);
    if (!isLeapCode(monthCode) && leap >= 1 && leap < monthCode) days += lunarMonthLength(lunarYear, leapCodeOf(leap));
    return days;
}

std::optional<SolarDate> solarDateOfLunar(const LunarDate& date) {
    if (!hasLunarYear(date.year)) return std::nullopt;
    int length = lunarMonthLength(date.year, date.monthCode);
    if (length == 0 || date.day < 1 || date.day > length) return std::nullopt;
    return civilFromDays(newYearDayNumber(date.year) + daysBeforeLunarMonth(date.year, date.monthCode) + date.day - 1);
}

std::optional<LunarDate> lunarDateOfSolar(const SolarDate& date) {
    if (!isValidSolarDate(date.year, date.month, date.day) || !hasLunarYear(date.year)) return std::nullopt;
    const int dayNumber = daysFromCivil(date);
    int lunarYear = date.year;
    if (dayNumber < newYearDayNumber(lunarYear)) --lunarYear;
    if (!hasLunarYear(lunarYear)) return std::nullopt;
    int remaining = dayNumber - newYearDayNumber(lunarYear) + 1;  // the new-year day counts 1
    const int leap = leapMonthOfYear(lunarYear);
    for (int m = 1; m <= 12; ++m) {
        int length = lunarMonthLength(lunarYear, m);
        if (remaining <= length) return LunarDate{lunarYear, m, remaining};
        remaining -= length;
        if (m == leap) {
            int leapLength = lunarMonthLength(lunarYear, leapCodeOf(m));
            if (remaining <= leapLength) return LunarDate{lunarYear, leapCodeOf(m), remaining};
            remaining -= leapLength;
        }
    }
    return std::nullopt;  // past the year's last month: the tables disagree with each other
}

int currentLunarYear() {
    platform::LocalTime now = platform::now_local();
    int year = now.year;
    if (!hasLunarYear(year)) return year;
    int md = NewYearDateTable[static_cast<size_t>(year - kTableFirstYear)];
    return now.month * 100 + now.day >= md ? year : year - 1;
}

bool lunarToSolar() {
    auto solar = solarDateOfLunar({chart.lunarYear, chart.lunarMonthCode, chart.lunarDay});
    if (!solar) return false;
    chart.solarYear = solar->year;
    chart.solarMonth = solar->month;
    chart.solarDay = solar->day;
    return true;
}

bool solarToLunar() {
    auto lunar = lunarDateOfSolar({chart.solarYear, chart.solarMonth, chart.solarDay});
    if (!lunar) return false;
    chart.lunarYear = lunar->year;
    chart.lunarMonthCode = lunar->monthCode;
    chart.lunarDay = lunar->day;
    chart.nominalAge = chart.currentLunarYear - chart.lunarYear + 1;
    return true;
}

}  // namespace orvane

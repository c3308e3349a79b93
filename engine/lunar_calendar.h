// 农历换算 — lunar month lengths and the conversions between the solar and the
// lunar calendar, read from the calendar tables (lunar years 1900 … 2102).
#pragma once

#include <optional>

#include "engine/gregorian.h"

namespace orvane {

// A lunar date; monthCode [1, 12], a leap month + 20 [21, 32]; day [1, 30].
struct LunarDate {
    int year = 0;
    int monthCode = 0;
    int day = 0;
    friend constexpr bool operator==(const LunarDate&, const LunarDate&) = default;
};

constexpr int leap_code_of(int month) { return month + 20; }
constexpr int base_month(int monthCode) { return monthCode > 20 ? monthCode - 20 : monthCode; }
constexpr bool is_leap_code(int monthCode) { return monthCode > 20; }

// Lunar year within the tables.
bool has_lunar_year(int lunarYear);

// The month that a leap month follows in that year, 0 when it has none.
int leapMonthOfYear(int lunarYear);

// Days [29, 30] of a month code, 0 when the year has no such month.
int lunar_month_length(int lunarYear, int monthCode);

// Days from the first day of the lunar year to the first day of the month.
int daysBeforeLunarMonth(int lunarYear, int monthCode);

// Nothing when the date lies outside the tables or does not exist.
std::optional<SolarDate> solar_date_of_lunar(const LunarDate& date);
std::optional<LunarDate> lunar_date_of_solar(const SolarDate& date);

// Today's lunar year (new year by NewYearDateTable).
int currentLunarYear();

// The same conversions on the chart record: lunarToSolar() fills the solar date
// from lunarYear/lunarMonthCode/lunarDay; solarToLunar() fills the lunar date and
// nominalAge from the solar date. Both return false, and change nothing, for a
// date outside the tables.
bool lunarToSolar();
bool solarToLunar();

}  // namespace orvane

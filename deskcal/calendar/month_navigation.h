// 翻月: moving the shown date by month, by a chosen month or year, and the year field's rules.
#pragma once

#include <string>
#include <string_view>

#include "deskcal/calendar/date_range.h"

namespace deskcal {

// A day the target month lacks becomes its last day (31 January -> 28/29 February).
// A move past 1901-01 or 2050-12 leaves the date unchanged.
CalendarDate next_month(const CalendarDate& date);
CalendarDate previous_month(const CalendarDate& date);
CalendarDate with_month(const CalendarDate& date, int month);  // month [1, 12]
CalendarDate with_year(const CalendarDate& date, int year);    // outside 1901..2050: unchanged

// The year field when it loses focus: up to 1900 (or empty) becomes "1901", beyond
// 2050 "2050", anything else stays as typed.
std::string clamped_year_text(std::string_view text);

// The year field keeps only the digits 0-9, at most four of them.
std::string year_field_digits(std::string_view typed);

// "%4d".
std::string year_text(int year);

}  // namespace deskcal

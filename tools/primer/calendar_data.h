// The HTML calendar's data: the engine's calendar tables written as a script the page loads,
// and the engine's own answer for every day, which the page is checked against.
#pragma once

#include <ostream>
#include <string>

namespace primer {

// Gregorian years the calendar page offers.
inline constexpr int kCalendarFirstYear = 1900;
inline constexpr int kCalendarLastYear = 2100;

// help/wyrl_data.js: lunar years, term moments, the day cycle and the names, ASCII only.
std::string calendar_data_script();

// One line per day of the calendar's years, UTF-8, tab-separated: YYYY-MM-DD, the lunar date
// as Y-M-DD (L after a leap month) or "-", the term and its time ("立春 14:58") or "", and the
// year, month and day pillars at 23:59 of the day or "-" where the tables do not reach.
void print_engine_days(std::ostream& out);

}  // namespace primer

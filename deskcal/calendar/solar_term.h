// 节气: the solar term that falls on a Gregorian day, and the names of the 24 terms.
#pragma once

#include <string>

namespace deskcal {

// SolarTermNo [1, 24] from 1 小寒 (first term of January); month m holds 2m - 1 and 2m.
// 0 when no term falls on the day.
int TermOfDay(int year, int month, int day);

// GBK name of term [1, 24].
std::string solar_term_name(int term);

}  // namespace deskcal

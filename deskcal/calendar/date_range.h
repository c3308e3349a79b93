// 日期范围: the dates the desk calendar can show, 1901-01-01 .. 2050-12-31.
#pragma once

#include <cstdint>

namespace deskcal {

struct CalendarDate {
    std::uint16_t year = 1901;  // [1901, 2050]
    std::uint16_t month = 1;    // [1, 12]
    std::uint16_t day = 1;      // [1, MonthDays]
};

bool is_shown_date(int year, int month, int day);

// Stores the date in `target` when it is in range; otherwise leaves `target` as it was.
bool SetDate(CalendarDate& target, int year, int month, int day);

}  // namespace deskcal

// 公历: month lengths, day counts and weekdays of the Gregorian calendar.
#pragma once

namespace deskcal {

// Divisible by 4 and not by 100, or divisible by 400.
constexpr bool is_leap_year(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// [28, 31]; month [1, 12].
constexpr int MonthDays(int year, int month) {
    constexpr int lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap_year(year) ? 29 : lengths[month];
}

// Days since 0001-01-01 counted from 1 (proleptic Gregorian), year >= 1.
constexpr int day_number(int year, int month, int day) {
    constexpr int before[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int y = year - 1;
    const int leaps = y / 4 - y / 100 + y / 400;
    return y * 365 + leaps + before[month] + day + (is_leap_year(year) && month >= 3 ? 1 : 0);
}

// Days from the second date to the first (negative when the first is earlier).
constexpr int DayDiff(int y1, int m1, int d1, int y2, int m2, int d2) {
    return day_number(y1, m1, d1) - day_number(y2, m2, d2);
}

// [0, 6], 0 = Sunday.
constexpr int WeekDay(int year, int month, int day) {
    constexpr int offset[13] = {0, 0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5};
    const int y = year - 1;
    return (day + offset[month] + y + y / 4 - y / 100 + y / 400 + (is_leap_year(year) && month > 2 ? 1 : 0)) % 7;
}

}  // namespace deskcal

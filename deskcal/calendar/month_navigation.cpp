#include "deskcal/calendar/month_navigation.h"

#include <algorithm>
#include <cstdio>

#include "deskcal/calendar/gregorian.h"
#include "deskcal/calendar/lunar_tables.h"

namespace deskcal {

namespace {

CalendarDate moved_to(const CalendarDate& date, int year, int month) {
    CalendarDate result = date;
    const int day = std::min<int>(date.day, year >= kFirstYear && year <= kLastYear ? MonthDays(year, month) : 31);
    SetDate(result, year, month, day);
    return result;
}

}  // namespace

CalendarDate next_month(const CalendarDate& date) {
    return date.month == 12 ? moved_to(date, date.year + 1, 1) : moved_to(date, date.year, date.month + 1);
}

CalendarDate previous_month(const CalendarDate& date) {
    return date.month == 1 ? moved_to(date, date.year - 1, 12) : moved_to(date, date.year, date.month - 1);
}

CalendarDate with_month(const CalendarDate& date, int month) { return moved_to(date, date.year, month); }

CalendarDate with_year(const CalendarDate& date, int year) { return moved_to(date, year, date.month); }

std::string clamped_year_text(std::string_view text) {
    long value = 0;  // an empty field counts as 0
    for (const char c : text) {
        if (c >= '0' && c <= '9') value = std::min(value * 10 + (c - '0'), 100000L);
    }
    if (value <= kFirstYear - 1) return year_text(kFirstYear);
    if (value > kLastYear) return year_text(kLastYear);
    return std::string(text);
}

std::string year_field_digits(std::string_view typed) {
    std::string digits;
    for (const char c : typed) {
        if (c >= '0' && c <= '9' && digits.size() < 4) digits += c;
    }
    return digits;
}

std::string year_text(int year) {
    char text[16];
    std::snprintf(text, sizeof text, "%4d", year);
    return text;
}

}  // namespace deskcal

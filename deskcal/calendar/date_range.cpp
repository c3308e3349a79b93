#include "deskcal/calendar/date_range.h"

#include "deskcal/calendar/gregorian.h"
#include "deskcal/calendar/lunar_tables.h"

namespace deskcal {

bool is_shown_date(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear) return false;
    if (month < 1 || month > 12) return false;
    return day >= 1 && day <= MonthDays(year, month);
}

bool SetDate(CalendarDate& target, int year, int month, int day) {
    if (!is_shown_date(year, month, day)) return false;
    target.year = static_cast<std::uint16_t>(year);
    target.month = static_cast<std::uint16_t>(month);
    target.day = static_cast<std::uint16_t>(day);
    return true;
}

}  // namespace deskcal

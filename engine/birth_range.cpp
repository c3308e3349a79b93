#include "engine/birth_range.h"

#include <cstdio>

#include "engine/calendar_tables.h"
#include "engine/numerals.h"

namespace orvane {

std::string birth_year_range_message() {
    return "年份应在" + std::to_string(kFirstBirthYear) + "-" + std::to_string(kLastBirthYear);
}

std::string first_spring_message() {
    // Entry 1 is 立春 of the first birth year; its code gives the lunar date.
    const SolarTermEntry& spring = SolarTermTable[static_cast<size_t>(term_index(kFirstBirthYear, 1))];
    const int month = spring.jieCode / 10000;
    const int day = spring.jieCode / 100 % 100;
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", spring.jieHour, spring.jieMinute);
    return "日期应在" + std::to_string(kFirstBirthYear) + "年立春（" + num2cc(month, 2) + "月" + num2cc(day, 3) +
           clock + "）之后";
}

std::string last_birth_date_message() {
    return "日期应不晚于公历" + std::to_string(kLastBirthDate.year) + "年" + std::to_string(kLastBirthDate.month) +
           "月" + std::to_string(kLastBirthDate.day) + "日";
}

}  // namespace orvane

#include "engine/date_validation.h"

#include <cstdio>
#include <string>

#include "engine/birth_range.h"
#include "engine/calendar_tables.h"
#include "engine/chart_state.h"
#include "engine/gregorian.h"
#include "engine/lunar_calendar.h"
#include "engine/solar_terms.h"
#include "platform/message.h"

namespace orvane {
namespace {


int fail(const std::string& message) {
    platform::show_message(message);
    return 0;
}

std::string format(const char* pattern, int a, int b = 0) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, a, b);
    return buffer;
}

int check_solar_date() {
    if (chart.solarYear < kFirstBirthYear || chart.solarYear > kLastBirthYear) return fail(birth_year_range_message());
    switch (chart.solarMonth) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        if (chart.solarDay < 1 || chart.solarDay > 31) return fail("日期错误，应为1至31");
        return 1;
    case 4: case 6: case 9: case 11:
        if (chart.solarDay < 1 || chart.solarDay > 30) return fail("日期错误，应为1至30");
        return 1;
    case 2: {
        int last = daysInFebruary(chart.solarYear);
        if (chart.solarDay < 1 || chart.solarDay > last) return fail(format("2月份日期错误，应为1至%d", last));
        return 1;
    }
    default:
        return fail("月份应为1-12");
    }
}

int check_lunar_date() {
    if (chart.lunarYear < kFirstBirthYear || chart.lunarYear > kLastBirthYear) return fail(birth_year_range_message());
    const int m = base_month(chart.lunarMonthCode);
    if (m < 1 || m > 12) return fail("月份应为1-12");
    if (chart.lunarDay < 1 || chart.lunarDay > 30) return fail("日期应为1至30");
    const LunarYearRow& row = LunarYearTable[static_cast<size_t>(chart.lunarYear - kTableFirstYear)];
    const int leapOf = row[0] / 10;
    const int leapBig = row[0] % 10;
    if (chart.leapMonth) {
        if (leapOf != m) return fail("该月不闰");
        if (leapBig == 0 && chart.lunarDay == 30) return fail("闰月小，日期应为1至29");
        return 1;
    }
    if (leapOf == m) {
        if (platform::ask_yes_no(format("%d年闰%d月,是否闰月?", chart.lunarYear, m))) {
            chart.leapMonth = 1;
            if (chart.lunarDay > 29 + leapBig) return fail("闰月小，日期应为1至29");
            return 1;
        }
    }
    if (row[static_cast<size_t>(m)] == 0 && chart.lunarDay == 30) return fail("该月小，日期应为1至29");
    return 1;
}

// 立春 of the first birth year opens the first solar year the tables hold whole;
// an earlier birth would need the terms of the year before. The date is the
// lunar date of the entered birth, as the conversion after validation finds it.
bool before_first_spring(const LunarDate& date) {
    if (date.year != kFirstBirthYear) return false;
    const int code = lunar_datetime_code(date.monthCode, date.day, chart.birthHour, chart.birthMinute);
    return code < jie_datetime_code(SolarTermTable[static_cast<size_t>(term_index(kFirstBirthYear, 1))]);
}

bool after_last_birth_date(const SolarDate& date) {
    return days_from_civil(date) > days_from_civil(kLastBirthDate);
}

}  // namespace

int validate_birth_date() {
    if (chart.birthHour < 0 || chart.birthHour > 23) return fail("小时应在0-23");
    if (chart.birthMinute < 0 || chart.birthMinute > 59) return fail("分钟应在0-59");
    if (chart.solarInput == 1) {
        if (!check_solar_date()) return 0;
        auto lunar = lunar_date_of_solar({chart.solarYear, chart.solarMonth, chart.solarDay});
        if (!lunar || before_first_spring(*lunar)) return fail(first_spring_message());
        return 1;
    }
    if (!check_lunar_date()) return 0;
    if (before_first_spring({chart.lunarYear, base_month(chart.lunarMonthCode), chart.lunarDay}))
        return fail(first_spring_message());
    // The last lunar year runs on into January of the next Gregorian year.
    const int code = chart.leapMonth ? leap_code_of(base_month(chart.lunarMonthCode)) : chart.lunarMonthCode;
    auto solar = solar_date_of_lunar({chart.lunarYear, code, chart.lunarDay});
    if (!solar || after_last_birth_date(*solar)) return fail(last_birth_date_message());
    return 1;
}

}  // namespace orvane

// 公历 — Gregorian date arithmetic as small constexpr functions.
#pragma once

namespace orvane {

struct SolarDate {
    int year = 0;
    int month = 0;  // [1, 12]
    int day = 0;    // [1, 31]
    friend constexpr bool operator==(const SolarDate&, const SolarDate&) = default;
};

// 29 in a leap year of the Gregorian rule, else 28.
constexpr int daysInFebruary(int year) {
    bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return leap ? 29 : 28;
}

// Days of Gregorian month [1, 12].
constexpr int days_in_solar_month(int year, int month) {
    constexpr int lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 ? daysInFebruary(year) : lengths[month];
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
constexpr int days_from_civil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;                                    // [0, 399]
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468;
}

constexpr int days_from_civil(const SolarDate& date) { return days_from_civil(date.year, date.month, date.day); }

// Inverse of days_from_civil.
constexpr SolarDate civil_from_days(int z) {
    z += 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;                                      // [0, 146096]
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const int mp = (5 * doy + 2) / 153;                                     // [0, 11]
    const int d = doy - (153 * mp + 2) / 5 + 1;                             // [1, 31]
    const int m = mp < 10 ? mp + 3 : mp - 9;                                // [1, 12]
    return {yoe + era * 400 + (m <= 2), m, d};
}

// 星期 — 0 = Sunday … 6 = Saturday (1 January 1900 is a Monday).
constexpr int weekday(int year, int month, int day) {
    return ((days_from_civil(year, month, day) + 4) % 7 + 7) % 7;  // 1970-01-01 was a Thursday
}

constexpr bool is_valid_solar_date(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= days_in_solar_month(year, month);
}

}  // namespace orvane

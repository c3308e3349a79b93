// 农历日期: lunar months and years of 1901-2050 and the conversion of a Gregorian date.
#pragma once

namespace deskcal {

struct LunarDate {
    int year = 0;       // lunar year, [1900, 2050]
    int month = 0;      // [1, 12]; a leap month carries its base month's number
    int day = 0;        // [1, 30]
    bool leap = false;  // the date lies in the leap month that follows `month`
};

// [0, 12], 0 = no leap month; year [1901, 2050].
int LeapMonth(int lunarYear);

struct LunarMonthLength {
    int days = 0;      // 29 or 30
    int leapDays = 0;  // length of the leap month after this one, 0 when there is none
};

// A year up to 1900 gives 30 days and no leap month.
LunarMonthLength LunarMonthDays(int lunarYear, int month);

// [353, 385].
int LunarYearDays(int lunarYear);

struct SolarDayInfo {
    LunarDate lunar;
    int term = 0;  // SolarTermNo of the day, [0, 24]
};

// Gregorian date in 1901-01-01 .. 2050-12-31 to its lunar date and solar term.
SolarDayInfo SolarToLunar(int year, int month, int day);

}  // namespace deskcal

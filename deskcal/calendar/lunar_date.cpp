#include "deskcal/calendar/lunar_date.h"

#include "deskcal/calendar/gregorian.h"
#include "deskcal/calendar/lunar_tables.h"
#include "deskcal/calendar/solar_term.h"

namespace deskcal {

namespace {

// 1901-01-01 .. 1901-02-18 belong to lunar 1900: month 11 from its 11th day
// (19 days left), then month 12 of 30 days.
constexpr int kDaysBeforeLunar1901 = 49;
constexpr int kDaysLeftInMonth11Of1900 = 19;
constexpr int kFirstDayInMonth11Of1900 = 11;

bool bit_set(std::uint16_t word, int bit) { return (word >> bit) & 1u; }

}  // namespace

int LeapMonth(int lunarYear) {
    const int k = lunarYear - kFirstYear;
    const std::uint8_t pair = kLeapMonths[k / 2];
    return k % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

LunarMonthLength LunarMonthDays(int lunarYear, int month) {
    if (lunarYear < kFirstYear) return {30, 0};
    const int leap = LeapMonth(lunarYear);
    const std::uint16_t word = kLunarMonthBits[lunarYear - kFirstYear];
    const int bit = (leap != 0 && leap < month) ? 15 - month : 16 - month;
    LunarMonthLength length;
    length.days = bit_set(word, bit) ? 30 : 29;
    if (month == leap) length.leapDays = bit_set(word, bit - 1) ? 30 : 29;
    return length;
}

int LunarYearDays(int lunarYear) {
    int total = 0;
    for (int m = 1; m <= 12; ++m) {
        const LunarMonthLength length = LunarMonthDays(lunarYear, m);
        total += length.days + length.leapDays;
    }
    return total;
}

SolarDayInfo SolarToLunar(int year, int month, int day) {
    SolarDayInfo info;
    info.term = TermOfDay(year, month, day);

    int s = DayDiff(year, month, day, kFirstYear, 1, 1);
    if (s < kDaysBeforeLunar1901) {
        info.lunar.year = kFirstYear - 1;
        if (s < kDaysLeftInMonth11Of1900) {
            info.lunar.month = 11;
            info.lunar.day = s + kFirstDayInMonth11Of1900;
        } else {
            info.lunar.month = 12;
            info.lunar.day = s - kDaysLeftInMonth11Of1900 + 1;
        }
        return info;
    }

    s -= kDaysBeforeLunar1901;
    int lunarYear = kFirstYear;
    while (s >= LunarYearDays(lunarYear)) {
        s -= LunarYearDays(lunarYear);
        ++lunarYear;
    }
    info.lunar.year = lunarYear;

    const int leap = LeapMonth(lunarYear);
    int m = 1;
    for (;; ++m) {
        const LunarMonthLength length = LunarMonthDays(lunarYear, m);
        if (s < length.days) break;
        s -= length.days;
        if (m == leap) {
            if (s < length.leapDays) {
                info.lunar.leap = true;
                break;
            }
            s -= length.leapDays;
        }
    }
    info.lunar.month = m;
    info.lunar.day = s + 1;
    return info;
}

}  // namespace deskcal

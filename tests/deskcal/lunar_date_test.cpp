// 农历日期
#include <gtest/gtest.h>

#include "deskcal/calendar/gregorian.h"
#include "deskcal/calendar/lunar_date.h"

namespace deskcal {
namespace {

void expect_lunar(int y, int m, int d, int lunarYear, int lunarMonth, int lunarDay, bool leap) {
    const LunarDate got = SolarToLunar(y, m, d).lunar;
    EXPECT_EQ(lunarYear, got.year) << y << "-" << m << "-" << d;
    EXPECT_EQ(lunarMonth, got.month) << y << "-" << m << "-" << d;
    EXPECT_EQ(lunarDay, got.day) << y << "-" << m << "-" << d;
    EXPECT_EQ(leap, got.leap) << y << "-" << m << "-" << d;
}

TEST(SolarToLunar, EarlyJanuary1901BelongsToLunar1900) {
    expect_lunar(1901, 1, 1, 1900, 11, 11, false);
    expect_lunar(1901, 1, 19, 1900, 11, 29, false);
    expect_lunar(1901, 1, 20, 1900, 12, 1, false);
    expect_lunar(1901, 2, 18, 1900, 12, 30, false);
    expect_lunar(1901, 2, 19, 1901, 1, 1, false);
}

TEST(SolarToLunar, LeapMonthCarriesTheFlagAndItsBaseNumber) {
    expect_lunar(2023, 3, 21, 2023, 2, 30, false);
    expect_lunar(2023, 3, 22, 2023, 2, 1, true);
    expect_lunar(2023, 4, 19, 2023, 2, 29, true);
    expect_lunar(2023, 4, 20, 2023, 3, 1, false);
}

TEST(SolarToLunar, NewYearsAndTheLastDay) {
    expect_lunar(1984, 2, 1, 1983, 12, 30, false);
    expect_lunar(1984, 2, 2, 1984, 1, 1, false);
    expect_lunar(2000, 2, 5, 2000, 1, 1, false);
    expect_lunar(2050, 1, 23, 2050, 1, 1, false);
    expect_lunar(2050, 12, 31, 2050, 11, 18, false);
}

TEST(SolarToLunar, LeapEleventhMonthOf2033) {
    expect_lunar(2033, 11, 22, 2033, 11, 1, false);
    expect_lunar(2033, 12, 22, 2033, 11, 1, true);
    expect_lunar(2034, 1, 20, 2033, 12, 1, false);
}

// Each day the lunar day steps by one, or a new month starts after day 29 or 30.
TEST(SolarToLunar, DaysFollowEachOtherWithoutGaps) {
    LunarDate previous = SolarToLunar(1901, 1, 1).lunar;
    for (int y = 1901; y <= 2050; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = (y == 1901 && m == 1) ? 2 : 1; d <= MonthDays(y, m); ++d) {
                const LunarDate now = SolarToLunar(y, m, d).lunar;
                if (now.day != 1) {
                    ASSERT_EQ(previous.day + 1, now.day) << y << "-" << m << "-" << d;
                    ASSERT_EQ(previous.month, now.month);
                    ASSERT_EQ(previous.leap, now.leap);
                } else {
                    ASSERT_TRUE(previous.day == 29 || previous.day == 30) << y << "-" << m << "-" << d;
                    const bool intoLeap = now.leap && now.month == previous.month && !previous.leap;
                    const bool nextMonth = !now.leap && now.month == previous.month % 12 + 1;
                    ASSERT_TRUE(intoLeap || nextMonth) << y << "-" << m << "-" << d;
                    ASSERT_EQ(now.month == 1 && !now.leap ? previous.year + 1 : previous.year, now.year);
                }
                previous = now;
            }
        }
    }
}

TEST(LeapMonth, QuotedYears) {
    EXPECT_EQ(0, LeapMonth(1901));
    EXPECT_EQ(5, LeapMonth(1903));
    EXPECT_EQ(4, LeapMonth(1906));
    EXPECT_EQ(2, LeapMonth(1909));
    EXPECT_EQ(6, LeapMonth(1911));
    EXPECT_EQ(2, LeapMonth(2023));
    EXPECT_EQ(11, LeapMonth(2033));
}

TEST(LunarMonthDays, LeapMonthTakesTheBitAfterItsBase) {
    // 1903: 0x5268, leap month 5.
    EXPECT_EQ(29, LunarMonthDays(1903, 1).days);
    EXPECT_EQ(30, LunarMonthDays(1903, 2).days);
    EXPECT_EQ(29, LunarMonthDays(1903, 5).days);
    EXPECT_EQ(29, LunarMonthDays(1903, 5).leapDays);
    EXPECT_EQ(30, LunarMonthDays(1903, 6).days);
    EXPECT_EQ(30, LunarMonthDays(1903, 12).days);
    EXPECT_EQ(0, LunarMonthDays(1903, 4).leapDays);
}

TEST(LunarMonthDays, YearsUpTo1900GiveThirty) {
    EXPECT_EQ(30, LunarMonthDays(1900, 12).days);
    EXPECT_EQ(0, LunarMonthDays(1900, 12).leapDays);
}

TEST(LunarYearDays, TwelveOrThirteenMonths) {
    EXPECT_EQ(354, LunarYearDays(1901));  // 0x4AE0: six long months
    for (int y = 1901; y <= 2050; ++y) {
        const int days = LunarYearDays(y);
        const int least = LeapMonth(y) == 0 ? 353 : 383;
        EXPECT_TRUE(days >= least && days <= least + 2) << y << ": " << days;
    }
}

}  // namespace
}  // namespace deskcal

// 公历
#include <gtest/gtest.h>

#include "deskcal/calendar/gregorian.h"

namespace deskcal {
namespace {

TEST(MonthDays, FebruaryFollowsTheCenturyRule) {
    EXPECT_EQ(28, MonthDays(1900, 2));
    EXPECT_EQ(29, MonthDays(2000, 2));
    EXPECT_EQ(29, MonthDays(2024, 2));
    EXPECT_EQ(28, MonthDays(2023, 2));
    EXPECT_EQ(28, MonthDays(2100, 2));
}

TEST(MonthDays, OtherMonthsHaveFixedLengths) {
    const int lengths[13] = {0, 31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        if (m == 2) continue;
        EXPECT_EQ(lengths[m], MonthDays(2023, m)) << "month " << m;
    }
}

TEST(DayDiff, CountsFromTheSecondDateToTheFirst) {
    EXPECT_EQ(0, DayDiff(1901, 1, 1, 1901, 1, 1));
    EXPECT_EQ(49, DayDiff(1901, 2, 19, 1901, 1, 1));
    EXPECT_EQ(-49, DayDiff(1901, 1, 1, 1901, 2, 19));
    EXPECT_EQ(366, DayDiff(2001, 1, 1, 2000, 1, 1));
    EXPECT_EQ(1, DayDiff(2000, 3, 1, 2000, 2, 29));
    EXPECT_EQ(1, DayDiff(1900, 3, 1, 1900, 2, 28));
    // 1901-01-01 .. 2051-01-01: 150 years with 37 leap days.
    EXPECT_EQ(150 * 365 + 37, DayDiff(2051, 1, 1, 1901, 1, 1));
}

TEST(WeekDay, KnownDates) {
    EXPECT_EQ(2, WeekDay(1901, 1, 1));   // Tuesday
    EXPECT_EQ(6, WeekDay(2023, 4, 1));   // Saturday
    EXPECT_EQ(5, WeekDay(1901, 2, 1));   // Friday
    EXPECT_EQ(2, WeekDay(2000, 2, 29));  // Tuesday
    EXPECT_EQ(6, WeekDay(2050, 12, 31)); // Saturday
}

TEST(WeekDay, AdvancesByOneEachDayOverTheWholeRange) {
    int expected = WeekDay(1901, 1, 1);
    for (int y = 1901; y <= 2050; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= MonthDays(y, m); ++d) {
                ASSERT_EQ(expected, WeekDay(y, m, d)) << y << "-" << m << "-" << d;
                ASSERT_EQ(expected, (WeekDay(1901, 1, 1) + DayDiff(y, m, d, 1901, 1, 1)) % 7);
                expected = (expected + 1) % 7;
            }
        }
    }
}

}  // namespace
}  // namespace deskcal

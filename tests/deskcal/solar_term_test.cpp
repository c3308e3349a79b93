// 节气
#include <gtest/gtest.h>

#include "deskcal/calendar/gregorian.h"
#include "deskcal/calendar/lunar_date.h"
#include "deskcal/calendar/solar_term.h"
#include "support/gbk_assert.h"

namespace deskcal {
namespace {

TEST(TermOfDay, FirstMonthsOf1901) {
    EXPECT_EQ(1, TermOfDay(1901, 1, 6));
    EXPECT_EQ(2, TermOfDay(1901, 1, 21));
    EXPECT_EQ(3, TermOfDay(1901, 2, 4));
    EXPECT_EQ(0, TermOfDay(1901, 2, 5));
    EXPECT_EQ(4, TermOfDay(1901, 2, 19));
    EXPECT_EQ(0, TermOfDay(1901, 2, 15));
}

TEST(TermOfDay, RecentTermsBeijingTime) {
    EXPECT_EQ(7, TermOfDay(2023, 4, 5));    // 清明
    EXPECT_EQ(8, TermOfDay(2023, 4, 20));   // 谷雨
    EXPECT_EQ(24, TermOfDay(2033, 12, 21)); // 冬至
    EXPECT_EQ(3, TermOfDay(2024, 2, 4));    // 立春
}

TEST(TermOfDay, EveryMonthHoldsItsTwoTermsOnce) {
    for (int y = 1901; y <= 2050; ++y) {
        for (int m = 1; m <= 12; ++m) {
            int first = 0, second = 0;
            for (int d = 1; d <= MonthDays(y, m); ++d) {
                const int term = TermOfDay(y, m, d);
                if (term == 2 * m - 1) ++first;
                else if (term == 2 * m) ++second;
                else ASSERT_EQ(0, term) << y << "-" << m << "-" << d;
            }
            ASSERT_EQ(1, first) << y << "-" << m;
            ASSERT_EQ(1, second) << y << "-" << m;
        }
    }
}

TEST(SolarToLunar, ReportsTheTermOfTheDay) {
    EXPECT_EQ(3, SolarToLunar(1901, 2, 4).term);
    EXPECT_EQ(0, SolarToLunar(1901, 2, 5).term);
}

TEST(solar_term_name, NumberedFromXiaoHan) {
    EXPECT_GBK_EQ("小寒", solar_term_name(1));
    EXPECT_GBK_EQ("立春", solar_term_name(3));
    EXPECT_GBK_EQ("谷雨", solar_term_name(8));
    EXPECT_GBK_EQ("冬至", solar_term_name(24));
}

}  // namespace
}  // namespace deskcal

#include "engine/luck.h"

#include <gtest/gtest.h>

#include "engine/chart_state.h"
#include "engine/names.h"
#include "platform/message.h"
#include "support/birth.h"
#include "support/gbk_assert.h"

using namespace orvane;

TEST(LuckDirection, YangYearMenRunForward) {
    EXPECT_TRUE(luck_runs_forward(1, 1));    // man, 甲子 year
    EXPECT_FALSE(luck_runs_forward(0, 1));   // woman, 甲子 year
    EXPECT_FALSE(luck_runs_forward(1, 2));   // man, 乙丑 year
    EXPECT_TRUE(luck_runs_forward(0, 0));    // woman, 癸亥 year (yin)
}

TEST(LuckStart, StartingAgeFromMinutes) {
    EXPECT_EQ(luck_start_days_from_minutes(0, false), 30);
    EXPECT_EQ(luck_start_days_from_minutes(4320, true), 363);  // three days: one year and three days
    EXPECT_EQ(luck_start_days_from_minutes(4320, false), 360 - 3 + 30);
}

TEST(LuckPillars, WrapThroughGuihai) {
    EXPECT_EQ(luck_pillar_of(59, 0, true), 0);
    EXPECT_EQ(luck_pillar_of(59, 1, true), 1);
    EXPECT_EQ(luck_pillar_of(1, 0, false), 0);
    EXPECT_EQ(luck_pillar_of(1, 1, false), 59);
}

TEST(LuckStart, BirthAtTheTermMomentCountingBackward) {
    testsupport::set_options("0000");
    // 立春 1984 at lunar 1/3 23:18; a woman of the 甲子 year runs backward.
    ASSERT_TRUE(testsupport::cast({1984, 1, 3, 23, 18, false, true}));
    EXPECT_EQ(chart.luckMinutes, 0);
    EXPECT_EQ(chart.luckStartYears, 0);
    EXPECT_EQ(chart.luckStartMonthNo, 2);  // one month on from the 寅 month
    EXPECT_EQ(chart.luckStartDays, 0);
    EXPECT_EQ(chart.luckStartYear, 1984);
    EXPECT_EQ(chart.luckStartDateMonth, 3);  // 惊蛰, day 64 of the year
    EXPECT_EQ(chart.luckStartDateDay, 5);
}

TEST(LuckStart, ForwardFromAKnownChart) {
    testsupport::set_options("0000");
    platform::MessageRecorder recorder;
    // 1990-05-17 12:00 in the 巳 month, a man of the 庚午 year: forward to 芒种
    // (1990-06-06 06:46), 19 days 18 h 46 min: L = 2373 + 19 = 2392 days of
    // reckoning, 6 years 7 months 22 days, from the 巳 month to the 子 month.
    ASSERT_TRUE(testsupport::cast({1990, 5, 17, 12, 0}));
    EXPECT_EQ(chart.luckMinutes, (19 * 24 + 18) * 60 + 46);
    EXPECT_EQ(chart.luckStartYears, 6);
    EXPECT_EQ(chart.luckStartMonthNo, 11);
    EXPECT_EQ(chart.luckStartDays, 22);
    EXPECT_EQ(chart.luckStartYear, 1996);
    EXPECT_EQ(chart.luckStartDateMonth, 12);  // 大雪 (day 341) + 22 = day 363
    EXPECT_EQ(chart.luckStartDateDay, 29);
    EXPECT_EQ(first_luck_age(), 7);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(LuckStart, MinutesBeforeSpringRunIntoTheNextJanuary) {
    testsupport::set_options("0000");
    platform::MessageRecorder recorder;
    // Lunar 1984-1-3 23:00, 18 minutes before 立春: the 癸亥 year and the 丑
    // month; a woman of a yin year runs forward to that 立春.
    ASSERT_TRUE(testsupport::cast({1984, 1, 3, 23, 0, false, true}));
    EXPECT_GBK_EQ("癸亥", cycle_name(chart.yearPillar));
    EXPECT_EQ(chart.luckMinutes, 18);
    EXPECT_EQ(chart.luckStartYears, 0);
    EXPECT_EQ(chart.luckStartMonthNo, 12);
    EXPECT_EQ(chart.luckStartDays, 1);
    EXPECT_EQ(chart.luckStartYear, 1984);
    EXPECT_EQ(chart.luckStartDateMonth, 1);  // 小寒 (day 370) + 1
    EXPECT_EQ(chart.luckStartDateDay, 6);
    EXPECT_TRUE(recorder.messages.empty());
}

#include "engine/pillars.h"

#include <gtest/gtest.h>

#include "engine/chart_state.h"
#include "engine/names.h"
#include "engine/true_solar_time.h"
#include "platform/message.h"
#include "support/birth.h"
#include "support/gbk_assert.h"

using namespace orvane;
using testsupport::Birth;
using testsupport::cast;
using testsupport::set_options;

namespace {

// The four pillars of the cast chart as "年 月 日 时".
std::string pillars() {
    return cycle_name(chart.yearPillar) + " " + cycle_name(chart.monthPillar) + " " + cycle_name(chart.dayPillar) + " " +
           cycle_name(chart.hourPillar);
}

}  // namespace

TEST(FourPillars, KnownChartsWithTheDayTurningAt23) {
    set_options("0000");
    ASSERT_TRUE(cast({1984, 2, 4, 5, 6}));  // before 立春 at 23:19 that day
    EXPECT_GBK_EQ("癸亥 乙丑 戊辰 乙卯", pillars());
    ASSERT_TRUE(cast({2000, 1, 1, 12, 0}));
    EXPECT_GBK_EQ("己卯 丙子 戊午 戊午", pillars());
    ASSERT_TRUE(cast({1985, 2, 4, 12, 0}));  // 立春 1985 falls in lunar month 12 of 1984
    EXPECT_GBK_EQ("乙丑 戊寅 甲戌 庚午", pillars());
    ASSERT_TRUE(cast({2020, 12, 31, 0, 30}));
    EXPECT_GBK_EQ("庚子 戊子 戊申 壬子", pillars());
}

TEST(YearPillar, CountsFromTheLunarYear) {
    set_options("0000");
    ASSERT_TRUE(cast({1924, 1, 6, 10, 0, true, true}));  // lunar 1924-1-6, after 立春
    EXPECT_EQ(chart.lunarYearCycle, 1);
    EXPECT_EQ(chart.yearPillar, 1);
    ASSERT_TRUE(cast({1983, 6, 1, 10, 0, true, true}));
    EXPECT_EQ(chart.lunarYearCycle, 0);
    EXPECT_GBK_EQ("癸亥", cycle_name(chart.yearPillar));
}

TEST(YearPillar, TwelfthMonthAfterSpringTakesTheNextYear) {
    set_options("0000");
    ASSERT_TRUE(cast({1984, 12, 15, 12, 0, true, true}));  // lunar 1984-12-15 = 1985-02-04, after 立春
    EXPECT_EQ(chart.lunarYear, 1984);
    EXPECT_EQ(chart.yearPillarYear, 1985);
    EXPECT_GBK_EQ("乙丑", cycle_name(chart.yearPillar));
    ASSERT_TRUE(cast({1984, 12, 14, 12, 0, true, true}));  // the day before
    EXPECT_GBK_EQ("甲子", cycle_name(chart.yearPillar));
}

TEST(YearPillar, FirstMonthBeforeSpringTakesThePreviousYear) {
    set_options("0000");
    ASSERT_TRUE(cast({1984, 1, 3, 23, 17, true, true}));  // 立春 1984 is lunar 1/3 23:18
    EXPECT_GBK_EQ("癸亥", cycle_name(chart.yearPillar));
    EXPECT_EQ(chart.solarMonthNo, 12);
    ASSERT_TRUE(cast({1984, 1, 3, 23, 18, true, true}));
    EXPECT_GBK_EQ("甲子", cycle_name(chart.yearPillar));
    EXPECT_GBK_EQ("丙寅", cycle_name(chart.monthPillar));
}

TEST(HourPillar, LateZiRules) {
    // 1990-05-17 is a 壬午 day; 23:30 is the late 子 hour.
    set_options("0000");  // the day changes at 23:00
    ASSERT_TRUE(cast({1990, 5, 17, 23, 30}));
    EXPECT_GBK_EQ("癸未", cycle_name(chart.dayPillar));
    EXPECT_GBK_EQ("壬子", cycle_name(chart.hourPillar));
    EXPECT_EQ(chart.pillarDayDay, chart.lunarDay + 1);

    set_options("1100");  // midnight boundary, late 子 takes the next stem
    ASSERT_TRUE(cast({1990, 5, 17, 23, 30}));
    EXPECT_GBK_EQ("壬午", cycle_name(chart.dayPillar));
    EXPECT_GBK_EQ("壬子", cycle_name(chart.hourPillar));  // 庚子 advanced by two stems
    EXPECT_EQ(chart.pillarDayDay, 0);

    set_options("1000");  // midnight boundary, late 子 as the early 子 of the same day
    ASSERT_TRUE(cast({1990, 5, 17, 23, 30}));
    EXPECT_GBK_EQ("壬午", cycle_name(chart.dayPillar));
    EXPECT_GBK_EQ("庚子", cycle_name(chart.hourPillar));
}

TEST(PillarDay, LastDayOfAMonthBeforeALeapMonth) {
    set_options("0000");
    platform::MessageRecorder recorder;  // the leap question is answered no: the regular month
    // Lunar 1900-8-30 (the 8th month is big and followed by the leap 8th).
    ASSERT_TRUE(cast({1900, 8, 30, 23, 10, true, true}));
    EXPECT_EQ(chart.pillarDayYear, 1900);
    EXPECT_EQ(chart.pillarDayMonth, 28);
    EXPECT_EQ(chart.pillarDayDay, 1);
    EXPECT_EQ(recorder.questions.size(), 1u);
}

TEST(TrueSolarTime, CorrectionRounding) {
    EXPECT_EQ(correction_minutes(-30), 0);
    EXPECT_EQ(correction_minutes(-31), -1);
    EXPECT_EQ(correction_minutes(30), 0);
    EXPECT_EQ(correction_minutes(31), 1);
    EXPECT_EQ(correction_minutes(-3600), -60);
    EXPECT_EQ(longitude_correction_seconds(105.0f), -3600);
    EXPECT_EQ(longitude_correction_seconds(121.5f), 360);
    auto t = add_minutes(0, 30, -61);
    EXPECT_EQ(t.hour, -1);
    EXPECT_EQ(t.minute, 29);
    t = add_minutes(23, 50, 40);
    EXPECT_EQ(t.hour, 24);
    EXPECT_EQ(t.minute, 30);
}

TEST(TrueSolarTime, HourBranchOfTheClock) {
    EXPECT_EQ(hour_branch_of_hour(23), 1);
    EXPECT_EQ(hour_branch_of_hour(0), 1);
    EXPECT_EQ(hour_branch_of_hour(1), 2);
    EXPECT_EQ(hour_branch_of_hour(22), 12);
}

TEST(MonthNumber, LeapMonthsAndTheYearEnds) {
    // A leap month L + 20 is month L until the next 节, then L + 1.
    EXPECT_EQ(solar_month_number(24, 24150000, 4050000, 24200000), 4);
    EXPECT_EQ(solar_month_number(24, 24200000, 4050000, 24200000), 5);
    // Month 1 before a 立春 of the same month is the 丑 month of the old year.
    EXPECT_EQ(solar_month_number(1, 1020000, 1050000, 2050000), 12);
    EXPECT_EQ(solar_month_number(1, 1020000, 12200000, 1200000), 1);  // 立春 already in month 12
    // Month 12 from a 立春 of the same month on is the 寅 month.
    EXPECT_EQ(solar_month_number(12, 12250000, 12050000, 12200000), 1);
    EXPECT_EQ(solar_month_number(12, 12020000, 12050000, 12200000), 11);
    // 2033 has a leap 11th month holding 小寒 2034: all of month 12 is the 丑 month.
    EXPECT_EQ(solar_month_number(12, 12110216, 31151504, 12160241), 12);
}

TEST(FourPillars, MonthTwelveAfterALeapEleventh) {
    set_options("0000");
    ASSERT_TRUE(cast({2034, 1, 30, 2, 16}));  // lunar 2033-12-11, between 小寒 and 立春
    EXPECT_GBK_EQ("癸丑 乙丑", cycle_name(chart.yearPillar) + " " + cycle_name(chart.monthPillar));
}

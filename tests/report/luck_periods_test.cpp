// 大运 — the luck summary and the eight period rows.
#include "report/luck_periods.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/chart_state.h"
#include "engine/luck.h"
#include "engine/compute_chart.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/report_fields.h"
#include "stars/special_stars.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/pillars.h"

using namespace orvane;

namespace {

using testsupport::pillar_named;

// A chart of lunar 1984 (甲子) with the given year, month and day pillars and luck data.
void set_chart(const char* year, const char* month, const char* day, bool male) {
    chart = ChartState{};
    chart.lunarYear = 1984;
    chart.lunarYearCycle = 1;
    chart.yearPillar = pillar_named(year);
    chart.monthPillar = pillar_named(month);
    chart.dayPillar = pillar_named(day);
    split_pillars();
    chart.sexFlag = male ? 1 : 0;
    chart.luckStartYears = 4;
    chart.luckStartMonthNo = 3;
    chart.luckStartDays = 12;
    chart.luckStartYear = 1988;
    chart.luckStartDateMonth = 4;
    chart.luckStartDateDay = 7;
}

const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }
// Field offset k of period j (P = 411 + 30 j).
const std::string& period(int j, int k) { return f(411 + 30 * j + k); }

}  // namespace

TEST(LuckPeriods, TraditionalStartingAgeRoundsSixMinutesUp) {
    const TraditionalLuckAge oneYear = traditional_luck_age(4314);
    EXPECT_EQ(oneYear.years, 1);
    EXPECT_EQ(oneYear.months, 0);
    EXPECT_EQ(oneYear.days, 0);
    const TraditionalLuckAge almost = traditional_luck_age(4313);
    EXPECT_EQ(almost.years, 0);
    EXPECT_EQ(almost.months, 11);
    EXPECT_EQ(almost.days, 29);
    const TraditionalLuckAge none = traditional_luck_age(0);
    EXPECT_EQ(none.years + none.months + none.days, 0);
    const TraditionalLuckAge threeYearsOneMonthTwoDays = traditional_luck_age(3 * 4320 + 360 + 2 * 12);
    EXPECT_EQ(threeYearsOneMonthTwoDays.years, 3);
    EXPECT_EQ(threeYearsOneMonthTwoDays.months, 1);
    EXPECT_EQ(threeYearsOneMonthTwoDays.days, 2);
}

TEST(LuckPeriods, SummaryFields) {
    set_chart("甲子", "丙寅", "甲子", true);
    chart.luckMinutes = 4314;
    write_luck_period_fields();
    EXPECT_EQ(f(401), "1");
    EXPECT_EQ(f(402), "0");
    EXPECT_EQ(f(403), "0");
    chart.luckMinutes = 4313;
    write_luck_period_fields();
    EXPECT_EQ(f(401), "0");
    EXPECT_EQ(f(402), "11");
    EXPECT_EQ(f(403), "29");
    // The years of change: the stem of 甲子 + 4 (戊) and five on (癸).
    EXPECT_GBK_EQ("戊", f(404));
    EXPECT_GBK_EQ("癸", f(405));
    EXPECT_GBK_EQ("清明", f(406));  // solar month 3 opens with 清明
    EXPECT_EQ(f(407), "12");
    EXPECT_EQ(f(408), "4");
    EXPECT_EQ(f(409), "7");
    chart.luckStartMonthNo = 1;
    chart.luckStartYears = 6;  // 甲子 + 6 = 庚, + 11 = 乙
    write_luck_period_fields();
    EXPECT_GBK_EQ("立春", f(406));
    EXPECT_GBK_EQ("庚", f(404));
    EXPECT_GBK_EQ("乙", f(405));
    chart.luckStartMonthNo = 12;
    chart.luckStartYears = 9;  // 甲子 + 9 = 癸 (stem 0 reads 癸)
    write_luck_period_fields();
    EXPECT_GBK_EQ("小寒", f(406));
    EXPECT_GBK_EQ("癸", f(404));
}

TEST(LuckPeriods, ForwardFromRenXuPassesThroughGuiHai) {
    set_chart("甲子", "壬戌", "甲子", true);  // a man of a yang year: forward
    write_luck_period_fields();
    EXPECT_GBK_EQ("癸亥", period(0, 7));
    EXPECT_GBK_EQ("甲子", period(1, 7));
    EXPECT_GBK_EQ("乙丑", period(2, 7));
    EXPECT_GBK_EQ("庚午", period(7, 7));
}

TEST(LuckPeriods, BackwardFromJiaZi) {
    set_chart("甲子", "甲子", "甲子", false);  // a woman of a yang year: backward
    write_luck_period_fields();
    EXPECT_GBK_EQ("癸亥", period(0, 7));
    EXPECT_GBK_EQ("壬戌", period(1, 7));
    EXPECT_GBK_EQ("丙辰", period(7, 7));
}

TEST(LuckPeriods, YearsDatesAndAgesOfEachRow) {
    set_chart("甲子", "丙寅", "甲子", true);  // A0 = 4 + 0 + 1 = 5
    write_luck_period_fields();
    EXPECT_EQ(f(410), "1988");
    EXPECT_EQ(period(0, 0), " 4");
    EXPECT_EQ(period(0, 1), " 7");
    EXPECT_EQ(period(0, 2), "1998");
    EXPECT_EQ(period(0, 3), " 4");
    EXPECT_EQ(period(0, 4), " 7");
    EXPECT_EQ(period(0, 5), " 5");
    EXPECT_EQ(period(0, 6), "15");
    EXPECT_EQ(period(3, -1), "2018");
    EXPECT_EQ(period(3, 5), "35");
    EXPECT_EQ(period(7, -1), "2058");
    EXPECT_EQ(period(7, 2), "2068");
    EXPECT_EQ(period(7, 6), "85");  // the eighth row ends at A0 + 80
    EXPECT_EQ(f(642), period(7, 21));
    // Between rows seven fields stay empty (P + 29 is the next row's first year).
    for (int j = 0; j < 8; ++j)
        for (int k = 22; k < 29; ++k) EXPECT_TRUE(period(j, k).empty()) << j << " " << k;
}

TEST(LuckPeriods, FirstAgeFollowsTheYearPillarsShift) {
    set_chart("甲子", "丙寅", "甲子", true);
    EXPECT_EQ(first_luck_age(), 5);
    set_chart("癸亥", "丙寅", "甲子", true);  // born before 立春: the year pillar is one behind
    EXPECT_EQ(first_luck_age(), 4);
    set_chart("乙丑", "丙寅", "甲子", true);  // one ahead
    EXPECT_EQ(first_luck_age(), 6);
    set_chart("癸亥", "丙寅", "甲子", true);
    chart.luckStartYears = 0;
    EXPECT_EQ(first_luck_age(), 0);
}

TEST(LuckPeriods, PillarElementsHiddenStemsAndTenGods) {
    // 甲 day, forward from 丙寅: 丁卯, 戊辰, 己巳 …
    set_chart("甲子", "丙寅", "甲子", true);
    write_luck_period_fields();
    EXPECT_GBK_EQ("丁卯", period(0, 7));
    EXPECT_GBK_EQ("火", period(0, 8));
    EXPECT_GBK_EQ("伤官", period(0, 9));
    EXPECT_GBK_EQ("乙", period(0, 10));  // 卯 hides 乙 alone
    EXPECT_GBK_EQ("木", period(0, 11));
    EXPECT_GBK_EQ("比劫", period(0, 12));
    EXPECT_GBK_EQ("　", period(0, 13));
    EXPECT_GBK_EQ("　", period(0, 14));
    EXPECT_GBK_EQ("　　", period(0, 15));
    EXPECT_GBK_EQ("　　", period(0, 18));
    EXPECT_GBK_EQ("炉中火", period(0, 20));
    // 戊辰: 戊 乙 癸.
    EXPECT_GBK_EQ("戊辰", period(1, 7));
    EXPECT_GBK_EQ("偏财", period(1, 9));
    EXPECT_GBK_EQ("戊", period(1, 10));
    EXPECT_GBK_EQ("乙", period(1, 13));
    EXPECT_GBK_EQ("癸", period(1, 16));
    EXPECT_GBK_EQ("水", period(1, 17));
    EXPECT_GBK_EQ("正印", period(1, 18));
    EXPECT_GBK_EQ("大林木", period(1, 20));
}

TEST(LuckPeriods, LifeStageWalksFromTheMonthsByPolarity) {
    set_chart("甲子", "丙寅", "甲子", true);  // 1 + 1 + 1 is odd: forward
    chart.lifeStage.month = 11;             // 养
    write_luck_period_fields();
    EXPECT_GBK_EQ("长生", period(0, 19));
    EXPECT_GBK_EQ("沐浴", period(1, 19));
    EXPECT_GBK_EQ("帝旺", period(4, 19));
    set_chart("甲子", "丙寅", "甲子", false);  // 0 + 1 + 1 is even: backward
    chart.lifeStage.month = 1;               // 沐浴
    write_luck_period_fields();
    EXPECT_GBK_EQ("长生", period(0, 19));
    EXPECT_GBK_EQ(" 养 ", period(1, 19));
    EXPECT_GBK_EQ(" 胎 ", period(2, 19));
}

TEST(LuckPeriods, StarsOfEachPeriodsBranch) {
    set_chart("乙酉", "壬午", "甲子", true);  // a man of a yin year: backward from 壬午
    write_luck_period_fields();
    // Period 6 is 乙亥: 丧门 of the 酉 year, 五鬼空亡 and 日天赦 of the 甲 day.
    EXPECT_GBK_EQ("乙亥", period(6, 7));
    EXPECT_GBK_EQ("丧门 五鬼空亡 日天赦 ", period(6, 21));
    for (int j = 0; j < 8; ++j) EXPECT_EQ(period(j, 21), StarsOfPassingBranch(luck_period_pillar(j))) << j;
}

TEST(LuckPeriods, CastChartReadsAsByHand) {
    // 1984-02-04 05:06, a man: 癸亥 乙丑 戊辰 乙卯. A yin year: backward from 乙丑.
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));
    write_luck_period_fields();
    EXPECT_GBK_EQ("甲子", period(0, 7));
    EXPECT_GBK_EQ("七杀", period(0, 9));  // 甲 against 戊
    EXPECT_GBK_EQ("癸亥", period(1, 7));
    EXPECT_GBK_EQ("丁巳", period(7, 7));
    // The year pillar is one behind the lunar year (born before 立春), so the first age is the
    // starting years themselves.
    ASSERT_EQ(chart.luckStartYears, 10);
    EXPECT_EQ(period(0, 5), "10");
    EXPECT_EQ(period(0, 6), "20");
}

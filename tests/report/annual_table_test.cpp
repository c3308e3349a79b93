// 流年属性 — the two relations, the annual events, and the rows of the annual table.
#include "report/annual_table.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/chart_state.h"
#include "engine/compute_chart.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/report_fields.h"
#include "stars/special_stars.h"
#include "support/gbk_assert.h"
#include "support/pillars.h"

using namespace orvane;

namespace {

using testsupport::pillar_named;

// A chart born in lunar 1984 (甲子, cycle 1 = the year of age 1), with four pillars and the
// years to the luck; the year pillar equals the lunar year's, so the luck starts at age
// luckStartYears + 1.
void set_chart(const char* month, const char* day, const char* hour, int luckStartYears, bool male = true) {
    chart = ChartState{};
    chart.lunarYear = 1984;
    chart.lunarYearCycle = 1;
    chart.yearPillar = 1;
    chart.monthPillar = pillar_named(month);
    chart.dayPillar = pillar_named(day);
    chart.hourPillar = pillar_named(hour);
    split_pillars();
    chart.sexFlag = male ? 1 : 0;
    chart.luckStartYears = luckStartYears;
}

const std::string& row(int age, int offset) {
    return ReportFieldTable[static_cast<std::size_t>(901 + 10 * (age - 1) + offset)];
}

bool contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

// ---- relations ------------------------------------------------------------------------------

TEST(PillarRelation, HeavenEarthCombinedNeedsBothStemsAndBranches) {
    EXPECT_TRUE(is_heaven_earth_combined(pillar_named("甲子"), pillar_named("己丑")));
    EXPECT_TRUE(is_heaven_earth_combined(pillar_named("己丑"), pillar_named("甲子")));
    EXPECT_TRUE(is_heaven_earth_combined(pillar_named("戊辰"), pillar_named("癸酉")));  // 戊癸, 辰酉
    EXPECT_TRUE(is_heaven_earth_combined(0, pillar_named("戊寅")));                    // 癸亥 stored as 0: 戊癸, 寅亥
    EXPECT_TRUE(is_heaven_earth_combined(pillar_named("丙午"), pillar_named("辛未")));
    EXPECT_FALSE(is_heaven_earth_combined(pillar_named("甲子"), pillar_named("己未")));  // stems only
    EXPECT_FALSE(is_heaven_earth_combined(pillar_named("甲子"), pillar_named("丁丑")));  // branches only
    EXPECT_FALSE(is_heaven_earth_combined(pillar_named("甲子"), pillar_named("甲子")));
}

TEST(PillarRelation, StemControlledBranchClashedPairs) {
    EXPECT_TRUE(is_stem_controlled_branch_clashed(pillar_named("甲子"), pillar_named("庚午")));
    EXPECT_TRUE(is_stem_controlled_branch_clashed(pillar_named("庚午"), pillar_named("甲子")));
    EXPECT_TRUE(is_stem_controlled_branch_clashed(pillar_named("乙丑"), pillar_named("辛未")));
    EXPECT_TRUE(is_stem_controlled_branch_clashed(pillar_named("壬寅"), pillar_named("丙申")));
    EXPECT_TRUE(is_stem_controlled_branch_clashed(0, pillar_named("丁巳")));  // 癸亥 against 丁巳
    EXPECT_FALSE(is_stem_controlled_branch_clashed(pillar_named("甲子"), pillar_named("甲午")));  // clash only
    EXPECT_FALSE(is_stem_controlled_branch_clashed(pillar_named("甲子"), pillar_named("庚申")));  // stems only
    EXPECT_FALSE(is_stem_controlled_branch_clashed(pillar_named("丙子"), pillar_named("庚午")));  // 丙 controls 庚
}

TEST(PillarRelation, WuAndJiNeverTakePartInAClash) {
    for (int x = 0; x < 60; ++x) {
        if (stem_of(x) != 5 && stem_of(x) != 6) continue;
        for (int y = 0; y < 60; ++y) {
            EXPECT_FALSE(is_stem_controlled_branch_clashed(x, y)) << x << " " << y;
            EXPECT_FALSE(is_stem_controlled_branch_clashed(y, x)) << y << " " << x;
        }
    }
}

// ---- annual events ----------------------------------------------------------------------------

TEST(AnnualEvents, YuanChenYearDependsOnTheDirection) {
    set_chart("丙寅", "丙寅", "丙寅", 5, true);  // 甲子 man: forward, 甲子 + 31 = 乙未
    EXPECT_GBK_EQ("元辰之岁  ", annual_events(std::nullopt, pillar_named("丁卯"), pillar_named("乙未")));
    EXPECT_EQ(annual_events(std::nullopt, pillar_named("丁卯"), pillar_named("癸巳")), "");
    set_chart("丙寅", "丙寅", "丙寅", 5, false);  // woman: backward, 甲子 + 29 = 癸巳
    EXPECT_GBK_EQ("元辰之岁  ", annual_events(std::nullopt, pillar_named("丁卯"), pillar_named("癸巳")));
    EXPECT_EQ(annual_events(std::nullopt, pillar_named("丁卯"), pillar_named("乙未")), "");
}

TEST(AnnualEvents, ChangeOfLuckBetweenGuiAndJia) {
    set_chart("丙寅", "丙寅", "丙寅", 5);
    const int year = pillar_named("丁卯");
    EXPECT_GBK_EQ("行运换甲  ", annual_events(pillar_named("癸亥"), pillar_named("甲子"), year));
    EXPECT_GBK_EQ("行运换甲  ", annual_events(pillar_named("甲子"), pillar_named("癸亥"), year));
    EXPECT_EQ(annual_events(pillar_named("壬戌"), pillar_named("癸亥"), year), "");
    EXPECT_EQ(annual_events(std::nullopt, pillar_named("甲子"), year), "");  // no outgoing pillar yet
}

TEST(AnnualEvents, DayPillarJiaZiOffendsTheGengWuYear) {
    set_chart("丙寅", "甲子", "丙寅", 5);
    EXPECT_GBK_EQ("日犯岁君  ", annual_events(std::nullopt, pillar_named("丁亥"), pillar_named("庚午")));
    EXPECT_EQ(annual_events(std::nullopt, pillar_named("丁亥"), pillar_named("甲午")), "");
}

TEST(AnnualEvents, WuWuYearNeverOffendsAnyDay) {
    const int wuWu = pillar_named("戊午");
    for (int day = 0; day < 60; ++day) {
        set_chart("丙寅", CycleNames[static_cast<std::size_t>(day)], "丙寅", 5);
        EXPECT_FALSE(contains(annual_events(std::nullopt, pillar_named("丁亥"), wuWu), "日犯岁君")) << day;
    }
}

TEST(AnnualEvents, PhrasesInTheirFixedOrder) {
    // 甲子 year and day, a 甲子 year under the change from 癸亥 to 甲子.
    set_chart("丙寅", "甲子", "丙寅", 5);
    EXPECT_GBK_EQ("行运换甲  真太岁  日年相并  岁运并临  ",
                  annual_events(pillar_named("癸亥"), pillar_named("甲子"), pillar_named("甲子")));
    // A woman's 癸巳 元辰 year that clashes with the outgoing 丁亥 (巳亥).
    set_chart("丙寅", "丁卯", "丙寅", 5, false);
    EXPECT_GBK_EQ("元辰之岁  运冲岁  ", annual_events(pillar_named("丁亥"), pillar_named("丙戌"), pillar_named("癸巳")));
}

TEST(AnnualEvents, IncomingPillarCountsBeforeTheLuckStarts) {
    set_chart("丙寅", "丙寅", "丙寅", 5);
    EXPECT_GBK_EQ("岁运并临  ", annual_events(std::nullopt, pillar_named("丁卯"), pillar_named("丁卯")));
    EXPECT_GBK_EQ("运冲岁  ", annual_events(std::nullopt, pillar_named("丁卯"), pillar_named("辛酉")));
}

// ---- the rows ---------------------------------------------------------------------------------

TEST(AnnualTable, LuckFieldChangesEveryTenYearsFromAgeSix) {
    set_chart("丙寅", "甲子", "戊辰", 5);  // A0 = 6, forward from 丁卯
    write_annual_table_fields();
    for (int age = 1; age <= 5; ++age) EXPECT_GBK_EQ("未上大运", row(age, 5)) << age;
    EXPECT_GBK_EQ("丁卯", row(6, 5));
    for (int age = 7; age <= 15; ++age) EXPECT_GBK_EQ("丁卯", row(age, 5)) << age;
    EXPECT_GBK_EQ("丁卯、戊辰", row(16, 5));
    EXPECT_GBK_EQ("戊辰", row(17, 5));
    EXPECT_GBK_EQ("戊辰、己巳", row(26, 5));
    EXPECT_GBK_EQ("己巳", row(35, 5));
    EXPECT_GBK_EQ("癸酉、甲戌", row(76, 5));
    EXPECT_GBK_EQ("甲戌", row(80, 5));
}

TEST(AnnualTable, BackwardLuckStepsBack) {
    set_chart("丙寅", "甲子", "戊辰", 5, false);  // a woman of a yang year
    write_annual_table_fields();
    EXPECT_GBK_EQ("乙丑", row(6, 5));
    EXPECT_GBK_EQ("乙丑、甲子", row(16, 5));
    EXPECT_GBK_EQ("甲子、癸亥", row(26, 5));  // through 0
    EXPECT_GBK_EQ("癸亥、壬戌", row(36, 5));
    // The small luck runs back from the hour pillar too.
    EXPECT_GBK_EQ("丁卯", row(1, 4));
    EXPECT_GBK_EQ("丙寅", row(2, 4));
}

TEST(AnnualTable, YearPillarAgeAndTenGod) {
    set_chart("丙寅", "甲子", "戊辰", 5);
    write_annual_table_fields();
    EXPECT_EQ(row(1, 0), "1984");
    EXPECT_GBK_EQ("甲子", row(1, 1));
    EXPECT_EQ(row(1, 2), " 1");
    EXPECT_GBK_EQ("比肩", row(1, 3));  // 甲 against the 甲 day
    EXPECT_GBK_EQ("己巳", row(1, 4));  // 戊辰 + 1
    EXPECT_EQ(row(9, 2), " 9");
    EXPECT_EQ(row(10, 2), "10");
    EXPECT_EQ(row(80, 0), "2063");
    EXPECT_GBK_EQ("壬午", row(79, 1));
    EXPECT_GBK_EQ("七杀", row(7, 3));  // 庚午 year against 甲
    EXPECT_GBK_EQ("正官", row(8, 3));  // 辛未
    EXPECT_GBK_EQ("戊辰", row(60, 4));  // the small luck wraps after 60 years
    for (int age = 1; age <= 80; ++age) {
        EXPECT_TRUE(row(age, 8).empty()) << age;
        EXPECT_TRUE(row(age, 9).empty()) << age;
    }
    EXPECT_EQ(ReportFieldTable[1698], row(80, 7));
}

TEST(AnnualTable, EventsOfMarkedYears) {
    set_chart("丙寅", "甲子", "戊辰", 5);  // A0 = 6, first luck 丁卯
    write_annual_table_fields();
    EXPECT_TRUE(contains(row(1, 6), "真太岁  "));
    EXPECT_TRUE(contains(row(61, 6), "真太岁  "));    // the birth year's pillar comes back
    EXPECT_TRUE(contains(row(1, 6), "日年相并  "));  // 甲子 day
    EXPECT_FALSE(contains(row(2, 6), "真太岁"));
    EXPECT_TRUE(contains(row(7, 6), "日犯岁君  "));   // 庚午
    EXPECT_TRUE(contains(row(67, 6), "日犯岁君  "));  // 庚午 again
    EXPECT_FALSE(contains(row(55, 6), "日犯岁君"));   // 戊午 clashes the branch, but 戊 takes no part
    EXPECT_TRUE(contains(row(32, 6), "元辰之岁  "));  // 乙未
    // Age 4 is a 丁卯 year before the luck starts: it already meets the first period's pillar.
    EXPECT_GBK_EQ("未上大运", row(4, 5));
    EXPECT_TRUE(contains(row(4, 6), "岁运并临  "));
    EXPECT_TRUE(contains(row(10, 6), "运冲岁  "));  // 癸酉 against 丁卯
}

TEST(AnnualTable, RelationsFollowTheEventsNatalFirstThenLuck) {
    // A0 = 3; at 13, a 丙子 year, the luck changes from 辛丑 to 壬寅. 丙子 combines with the 辛丑
    // day and the outgoing 辛丑, and clashes with the 壬午 hour.
    set_chart("庚子", "辛丑", "壬午", 2);
    write_annual_table_fields();
    EXPECT_GBK_EQ("辛丑、壬寅", row(13, 5));
    EXPECT_GBK_EQ("与日柱辛丑天合地合与大运辛丑天合地合与时柱壬午天克地冲", row(13, 6));
    // At 26 (己丑) the year pillar 甲子 combines; the running 癸卯 meets nothing.
    EXPECT_GBK_EQ("与年柱甲子天合地合", row(26, 6));
    // At 48 (辛亥) the running 乙巳 clashes: the event first, then the relation.
    EXPECT_GBK_EQ("乙巳", row(48, 5));
    EXPECT_GBK_EQ("运冲岁  与大运乙巳天克地冲", row(48, 6));
}

TEST(AnnualTable, NoLuckRelationBeforeTheLuckStarts) {
    // First luck 庚午 from age 6; the 甲子 year of age 1 clashes with it (天克地冲), which counts
    // as 运冲岁 already, but no "与大运" relation is written before the luck starts.
    set_chart("己巳", "丙寅", "丙寅", 5);
    write_annual_table_fields();
    EXPECT_GBK_EQ("未上大运", row(1, 5));
    EXPECT_GBK_EQ("真太岁  运冲岁  ", row(1, 6));
    // At 7 the 庚午 year is the running pillar itself and clashes with the 甲子 year pillar.
    EXPECT_GBK_EQ("庚午", row(7, 5));
    EXPECT_GBK_EQ("岁运并临  与年柱甲子天克地冲", row(7, 6));
}

TEST(AnnualTable, StarsOfTheYearsBranch) {
    set_chart("丙寅", "甲子", "戊辰", 5);
    write_annual_table_fields();
    for (int age : {1, 12, 24, 60}) EXPECT_EQ(row(age, 7), StarsOfPassingBranch(annual_cycle_of_age(age))) << age;
}

#include "engine/derivations.h"

#include <gtest/gtest.h>

#include "engine/bone_weight.h"
#include "engine/chart_state.h"
#include "engine/life_palace.h"
#include "engine/names.h"
#include "engine/patterns.h"
#include "support/birth.h"
#include "support/gbk_assert.h"

using namespace orvane;

TEST(TenGod, AgainstAJiaDayMaster) {
    EXPECT_EQ(ten_god_of_stems(1, 7), 4);   // 庚 七杀
    EXPECT_EQ(ten_god_of_stems(1, 8), 5);   // 辛 正官
    EXPECT_EQ(ten_god_of_stems(1, 6), 7);   // 己 正财
    EXPECT_EQ(ten_god_of_stems(1, 3), 8);   // 丙 食神
    EXPECT_EQ(ten_god_of_stems(1, 10), 3);  // 癸 正印
    EXPECT_EQ(ten_god_of_stems(1, 2), 1);   // 乙 比劫
    EXPECT_EQ(tenGod(1, 0), 3);          // pillars: 甲子 day, 癸亥 other
    EXPECT_EQ(tenGod(1, -1), 10);
}

TEST(LifeStage, YangStemsForwardYinStemsBackward) {
    EXPECT_EQ(life_stage_of_branch(1, 12), 0);  // 甲 长生 in 亥
    EXPECT_EQ(life_stage_of_branch(2, 7), 0);   // 乙 in 午
    EXPECT_EQ(life_stage_of_branch(3, 3), 0);   // 丙 in 寅
    EXPECT_EQ(life_stage_of_branch(5, 3), 0);   // 戊 in 寅
    EXPECT_EQ(life_stage_of_branch(4, 10), 0);  // 丁 in 酉
    EXPECT_EQ(life_stage_of_branch(7, 6), 0);   // 庚 in 巳
    EXPECT_EQ(life_stage_of_branch(8, 1), 0);   // 辛 in 子
    EXPECT_EQ(life_stage_of_branch(9, 9), 0);   // 壬 in 申
    EXPECT_EQ(life_stage_of_branch(10, 4), 0);  // 癸 in 卯
    EXPECT_EQ(life_stage_of_branch(1, 4), 4);   // 甲 帝旺 in 卯
    EXPECT_EQ(life_stage_of_branch(2, 5), 2);   // 乙: 午 长生, 巳 沐浴, 辰 冠带
}

TEST(VoidBranch, DecadesOfTheCycle) {
    EXPECT_EQ(voidBranchOf(1), 11);   // 甲子 旬: 戌亥
    EXPECT_EQ(voidBranchOf(10), 11);  // 癸酉 still in it
    EXPECT_EQ(voidBranchOf(11), 9);   // 甲戌 旬: 申酉
    EXPECT_EQ(voidBranchOf(0), 1);    // 癸亥 read as 60: 子丑
}

TEST(PillarPairs, CombineAndClash) {
    EXPECT_EQ(heavenEarthCombine(1, 26), 1);   // 甲子 and 己丑
    EXPECT_EQ(heavenEarthCombine(1, 2), 0);    // 甲子 and 乙丑: the stems do not combine
    EXPECT_EQ(heavenEarthClash(1, 7), 1);      // 甲子 and 庚午
    EXPECT_EQ(heavenEarthClash(55, 25), 0);    // 戊午 and 戊子: 戊 meets no 己
    EXPECT_EQ(heavenEarthClash(55, 26), 0);    // 戊午 and 己丑: the branches do not clash
    EXPECT_EQ(heavenEarthClash(2, 8), 1);      // 乙丑 and 辛未
}

TEST(StemName, BlanksAndOutOfRange) {
    EXPECT_GBK_EQ("甲", stemName(1));
    EXPECT_GBK_EQ("  ", stemName(-1));
    EXPECT_EQ(stemName(11), "");
    EXPECT_EQ(stemName(0), "");
}

TEST(BoneWeight, TheWeightsAddUp) {
    EXPECT_EQ(bone_weight_parts(1, 1, 1, 1).total(), 12 + 6 + 5 + 16);  // 甲子 year, month 1, day 1, 子 hour
    EXPECT_EQ(bone_weight_parts(0, 12, 30, 12).total(), 6 + 5 + 6 + 6);
    EXPECT_EQ(bone_weight_parts(5, 24, 1, 1).month, bone_weight_parts(5, 4, 1, 1).month);  // a leap month as its base
    EXPECT_EQ(bone_weight_parts(5, 24, 1, 1).month, 9);
}

TEST(LifePalace, SunriseBranchByLatitude) {
    EXPECT_EQ(sunrise_branch_at(20.0f, 6, 15), 4);
    EXPECT_EQ(sunrise_branch_at(59.0f, 6, 15), 2);
    EXPECT_EQ(sunrise_branch_at(59.0f, 6, 9), 3);
    EXPECT_EQ(sunrise_branch_at(39.9f, 1, 1), 5);
    EXPECT_EQ(sunrise_branch_at(39.9f, 2, 1), 5);
    EXPECT_EQ(sunrise_branch_at(39.9f, 2, 2), 4);
    EXPECT_EQ(sunrise_branch_at(30.0f, 6, 22), 3);
    EXPECT_EQ(sunrise_branch_at(29.99f, 6, 22), 4);
    EXPECT_EQ(sunrise_branch_at(60.0f, 6, 15), 4);
}

TEST(LifePalace, WithoutTrueSolarTimeSunriseIsMao) {
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));
    EXPECT_EQ(chart.sunriseBranch, 4);
    // 卯 sunrise, month 乙丑 (shift 0: 1/3 lies before the 雨水 of the month), 卯 hour:
    // n = (4 - 2 - 4 + 26) mod 12 = 0 → 12, palace branch 12 + 2 = 丑 … in the 癸亥 year: 乙丑.
    EXPECT_EQ(chart.lifePalaceShift, 0);
    EXPECT_GBK_EQ("乙丑", cycle_name(chart.lifePalace));
    EXPECT_GBK_EQ("丙辰", cycle_name(chart.fetalOrigin));  // 乙丑 with stem +1 and branch +3
}

TEST(Counters, APairCountsOnceHoweverOften) {
    chart = ChartState{};
    chart.yearPillar = 1;    // 甲子
    chart.monthPillar = 4;   // 丁卯
    chart.dayPillar = 13;    // 丙子
    chart.hourPillar = 16;   // 己卯
    compute_pair_counters();
    EXPECT_EQ(chart.punishmentCount, 1);  // 子卯
    EXPECT_EQ(chart.clashCount, 0);
    EXPECT_EQ(chart.harmonyCount, 1);     // 甲己
}

TEST(Patterns, ThreeWondersStandInOrder) {
    EXPECT_EQ(three_wonders_of(1, 5, 7, 2), 1);   // 甲戊庚 as year-month-day
    EXPECT_EQ(three_wonders_of(3, 1, 5, 7), 1);   // as month-day-hour
    EXPECT_EQ(three_wonders_of(7, 5, 1, 2), 0);   // reversed does not count
    EXPECT_EQ(three_wonders_of(9, 10, 8, 1), 2);  // 壬癸辛
    EXPECT_EQ(three_wonders_of(5, 2, 3, 4), 3);   // 乙丙丁
}

TEST(Patterns, FlagsOfACastChart) {
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));  // 癸亥 乙丑 戊辰 乙卯, male
    // Gods: 癸 正财, 乙 正官, 乙 正官; no 伤官, no 七杀.
    EXPECT_EQ(chart.hurtingOfficerFlag, 0);
    EXPECT_EQ(chart.sevenKillingsPattern, 0);
    EXPECT_EQ(chart.mixedStarsFlag, 0);
    EXPECT_EQ(chart.polarityPattern, 0);
    EXPECT_EQ(chart.jiaziJiawuDay, 0);
    EXPECT_EQ(chart.uniformPillars, 0);
    // Branches 亥 丑 辰 卯: no clash; 戊癸 combine: harmony without clash.
    EXPECT_EQ(chart.clashCount, 0);
    EXPECT_EQ(chart.harmonyCount, 1);
    EXPECT_EQ(chart.harmonyRich, 1);
    EXPECT_EQ(chart.clashHarmonyBalance, 0);
}

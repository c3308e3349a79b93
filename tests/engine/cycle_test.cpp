#include "engine/cycle.h"

#include <gtest/gtest.h>

#include "engine/names.h"
#include "support/gbk_assert.h"

using namespace orvane;

TEST(Cycle, ZeroIsGuihaiTheSixtieth) {
    EXPECT_EQ(stem_of(0), 10);
    EXPECT_EQ(branch_of(0), 12);
    EXPECT_EQ(cycle_ordinal(0), 60);
    EXPECT_GBK_EQ("癸亥", cycle_name(0));
    EXPECT_GBK_EQ("大海水", NayinNames[nayin_code(0)]);
}

TEST(Cycle, NayinFollowsPairs) {
    EXPECT_GBK_EQ("海中金", NayinNames[nayin_code(1)]);
    EXPECT_GBK_EQ("海中金", NayinNames[nayin_code(2)]);
    EXPECT_GBK_EQ("炉中火", NayinNames[nayin_code(3)]);
    EXPECT_GBK_EQ("大海水", NayinNames[nayin_code(59)]);
}

TEST(Cycle, CycleOfStemAndBranchRoundTrips) {
    for (int n = 0; n < 60; ++n) EXPECT_EQ(cycle_of(stem_of(n), branch_of(n)), n);
    EXPECT_EQ(cycle_of(1, 2), -1);  // 甲丑 mixes polarities
    EXPECT_EQ(cycle_of(10, 12), 0);
}

TEST(Cycle, WrapKeepsNegativeValuesInRange) {
    EXPECT_EQ(cycle(-1), 59);
    EXPECT_EQ(cycle(60), 0);
    EXPECT_EQ(wrap1(-12, 12), 12);
    EXPECT_EQ(wrap1(13, 12), 1);
}

TEST(Elements, StemsAndSeasons) {
    EXPECT_EQ(element_of_stem(5), 3);   // 戊 earth
    EXPECT_EQ(element_of_stem(10), 5);  // 癸 water
    EXPECT_EQ(seasonal_element_of_branch(3), 1);   // 寅 wood
    EXPECT_EQ(seasonal_element_of_branch(12), 5);  // 亥 water
    EXPECT_EQ(seasonal_element_of_branch(8), 3);   // 未 earth
    EXPECT_EQ(generated_by(5), 1);                // water generates wood
    EXPECT_EQ(controlled_by(4), 1);               // metal controls wood
}

TEST(Names, TablesHaveTheirFixedForms) {
    EXPECT_GBK_EQ("甲子", cycle_name(1));
    EXPECT_GBK_EQ("壬戌", cycle_name(59));
    EXPECT_GBK_EQ("    ", TenGodNames[10]);
    EXPECT_GBK_EQ("七  杀", TenGodSpacedNames[4]);
    EXPECT_GBK_EQ(" 衰 ", LifeStageNames[5]);
    EXPECT_GBK_EQ("立春", SolarTermNames[1]);
    EXPECT_GBK_EQ("小寒", SolarTermNames[23]);
    EXPECT_GBK_EQ("亥", branch_name(0));
}

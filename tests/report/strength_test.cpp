#include "report/strength_fields.h"
#include "engine/strength.h"

#include <gtest/gtest.h>

#include "engine/chart_state.h"
#include "report/report_fields.h"
#include "support/birth.h"
#include "support/gbk_assert.h"

using namespace orvane;

namespace {
const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }

// A chart record with only what the strength fields read.
void day_master(int dayStem, float support, float oppose, float warmth) {
    chart = ChartState{};
    chart.dayStem = dayStem;
    chart.supportScore = support;
    chart.opposeScore = oppose;
    chart.warmth = warmth;
}
}  // namespace

TEST(Strength, EqualScoresCountAsStrong) {
    day_master(1, 2.5f, 2.5f, 0.0f);
    write_strength_fields();
    EXPECT_GBK_EQ("强", f(703));
    EXPECT_GBK_EQ("火、土、金", f(704));  // a strong 甲: what it produces, controls, and what controls it
    day_master(1, 2.4f, 2.5f, 0.0f);
    write_strength_fields();
    EXPECT_GBK_EQ("弱", f(703));
    EXPECT_GBK_EQ("木、水", f(704));
    EXPECT_EQ(f(701), "2.400");
    EXPECT_EQ(f(702), "2.500");
}

TEST(Strength, BalancingStemsAndBranches) {
    day_master(1, 1, 1, 4.0f);
    write_strength_fields();
    EXPECT_EQ(f(712), "");  // nothing within one of -4, and not beyond 7
    EXPECT_EQ(f(711), "4.0");
    day_master(1, 1, 1, 7.0f);
    write_strength_fields();
    EXPECT_GBK_EQ("癸、子", f(712));  // 癸 and 子 (-7) balance it exactly
    day_master(1, 1, 1, 7.5f);
    write_strength_fields();
    EXPECT_GBK_EQ("癸、子", f(712));
    day_master(1, 1, 1, -7.5f);
    write_strength_fields();
    EXPECT_GBK_EQ("丙、巳", f(712));
    day_master(1, 1, 1, -0.4f);
    write_strength_fields();
    EXPECT_GBK_EQ("乙、戊、卯", f(712));  // the items of warmth 1
    day_master(1, 1, 1, 3.0f);
    write_strength_fields();
    EXPECT_GBK_EQ("辛、酉", f(712));  // -3 + 3 = 0
}

TEST(Strength, ScoresOfACastChart) {
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));  // 癸亥 乙丑 戊辰 乙卯, 丑 month
    // Stems in the 丑 month: 癸 water 1.1, 乙 wood 1.06 twice, 戊 earth 1.1.
    // Branches: 亥 (0.3 wood, 0.7 water), 丑 (0.5 earth, 0.2 metal, 0.3 water),
    // 辰 (0.3 wood, 0.5 earth, 0.2 water), 卯 (1 wood).
    EXPECT_NEAR(chart.elementScore[0], 1.06f * (2 + 0.3f + 0.3f + 1.0f), 1e-4);
    EXPECT_NEAR(chart.elementScore[2], 1.1f * (1 + 0.5f + 0.5f), 1e-4);
    EXPECT_NEAR(chart.elementScore[4], 1.1f * (1 + 0.7f + 0.3f + 0.2f), 1e-4);
    // 戊 earth is supported by earth and fire.
    EXPECT_NEAR(chart.supportScore, chart.elementScore[2] + chart.elementScore[1], 1e-5);
    // Warmth: winter; 癸 rules it (-7 * 1.2), 乙 1, 戊 1, 乙 1; 亥 in season (-5 * 1.2),
    // 辰 2, 卯 1; the month branch 丑 -6 * 1.2.
    EXPECT_NEAR(chart.warmth, -8.4f + 3 - 6.0f + 3 - 7.2f, 1e-4);
}

#include "report/bone_weight_fields.h"

#include <gtest/gtest.h>

#include "engine/chart_state.h"
#include "report/report_fields.h"
#include "report/texts/cheng_ming.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {
const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }
}  // namespace

TEST(BoneWeightFields, LiangAndQianWithTheirVerse) {
    testsupport::TempProgramDir dir;  // no dovar.dll: no votes
    chart = ChartState{};
    chart.yearPillar = 1;  // 甲子 year, month 1, day 1, 子 hour: 12 + 6 + 5 + 16
    chart.lunarMonthCode = 1;
    chart.lunarDay = 1;
    chart.hourBranchNo = 1;
    chart.boneWeight = 39;
    write_bone_weight_fields();
    EXPECT_GBK_EQ("三", f(4401));
    EXPECT_GBK_EQ("九", f(4402));
    EXPECT_EQ(f(4403), "12");
    EXPECT_EQ(f(4404), "6");
    EXPECT_EQ(f(4405), "5");
    EXPECT_EQ(f(4406), "16");
    EXPECT_EQ(f(4407), cheng_ming_verse(39));
    EXPECT_GBK_EQ("未有投票数据<div id='d240039'><button type='button' onClick=\"v('240039')\">投票</button></div>",
                  f(4408));
}

TEST(BoneWeightFields, RoundWeightShowsZeroQian) {
    testsupport::TempProgramDir dir;
    chart = ChartState{};
    chart.yearPillar = 1;
    chart.lunarMonthCode = 24;  // a leap 4th month weighs as the 4th
    chart.lunarDay = 1;
    chart.hourBranchNo = 1;
    chart.boneWeight = 40;
    write_bone_weight_fields();
    EXPECT_GBK_EQ("四", f(4401));
    EXPECT_GBK_EQ("○", f(4402));
    EXPECT_EQ(f(4404), "9");
}

TEST(BoneWeightFields, CastChartsCarryAVerse) {
    testsupport::TempProgramDir dir;
    testsupport::set_options("0000");
    for (int year : {1901, 1950, 1984, 2019}) {
        ASSERT_TRUE(testsupport::cast({year, 7, 15, 9, 30}));
        EXPECT_GE(chart.boneWeight, 21);
        EXPECT_LE(chart.boneWeight, 71);
        write_bone_weight_fields();
        EXPECT_FALSE(f(4407).empty()) << year;
    }
}

#include "report/childhood_dangers.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "report/report_fields.h"
#include "report/texts/childhood_danger_texts.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

using namespace orvane::signs;

const std::string& field5701() { return ReportFieldTable[5701]; }

// The split pillars of a year pillar, a month and hour branch and a day pillar.
SplitPillars pillars(int yearPillar, int monthBranch, int dayPillar, int hourBranch) {
    return {monthBranch,         hourBranch,       stemOf(yearPillar), branchOf(yearPillar),
            stemOf(dayPillar), branchOf(dayPillar), dayPillar};
}

void storeInChart(const SplitPillars& p) {
    chart.monthBranch = p.monthBranch;
    chart.hourBranch = p.hourBranch;
    chart.yearStem = p.yearStem;
    chart.yearBranch = p.yearBranch;
    chart.dayStem = p.dayStem;
    chart.dayBranch = p.dayBranch;
    chart.dayPillar = p.dayPillar;
}

bool carries(const SplitPillars& p, int slot) { return childhood_danger_slots(p)[static_cast<std::size_t>(slot)] == 1; }

// Slot and name of every danger, as the report shows them.
const std::array<std::pair<int, const char*>, ChildhoodDangerCount> kNames = {{
    {1, "四柱关"},       {2, "鬼门关(一)"},   {3, "阎王关"},       {4, "夜啼关"},     {5, "断桥关"},
    {6, "浴盘关"},       {7, "无情关(一)"},   {8, "无情关(二)"},   {9, "月颜回关"},   {10, "路尸煞"},
    {11, "将军箭"},      {12, "回季颜回关"},  {13, "四季关"},      {14, "急脚关"},    {15, "金锁关"},
    {16, "开锁关"},      {17, "深水关"},      {18, "水火关"},      {19, "百日关(一)"}, {31, "鸡飞关"},
    {32, "短命关(一)"},  {33, "落井关"},      {34, "阎皇取命关"},  {35, "千日关"},    {36, "雷公关"},
    {37, "断肠关"},      {51, "天吊关(一)"},  {52, "天吊关(二)"},  {53, "汤火关"},    {54, "百日关(二)"},
    {55, "鬼门关(二)"},  {56, "休魔和尚关"},  {57, "龙娥关"},      {58, "五鬼关"},    {59, "短命关(二)"},
    {60, "天狗关"},      {61, "撞命关"},      {62, "埋儿关"},      {71, "铁蛇关"},    {72, "大颜回关"},
    {74, "白虎关"},      {75, "破胎煞"},      {77, "龙娥妖"},
}};

std::set<int> dangerSlots() {
    std::set<int> slots;
    for (const auto& [slot, name] : kNames) slots.insert(slot);
    return slots;
}

// The first combination of signs that carries no danger at all.
bool findQuietChart(SplitPillars& out) {
    for (int y = 0; y < 60; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 0; d < 60; ++d)
                for (int h = 1; h <= 12; ++h) {
                    const SplitPillars p = pillars(y, m, d, h);
                    const ChildhoodDangerSlots s = childhood_danger_slots(p);
                    bool any = false;
                    for (auto v : s) any = any || v != 0;
                    if (!any) {
                        out = p;
                        return true;
                    }
                }
    return false;
}

}  // namespace

TEST(ChildhoodDangers, ZiMonthHaiHourIsBrokenBridgeNotFourPillars) {
    const SplitPillars p = pillars(1, 子, 1, 亥);
    EXPECT_TRUE(carries(p, 5));
    EXPECT_FALSE(carries(p, 1));
}

TEST(ChildhoodDangers, YinMonthWuHourIsNightCryingNotFourPillars) {
    const SplitPillars p = pillars(1, 寅, 1, 午);
    EXPECT_TRUE(carries(p, 4));
    EXPECT_FALSE(carries(p, 1));
}

TEST(ChildhoodDangers, MaoMonthChenHourIsFourPillars) { EXPECT_TRUE(carries(pillars(1, 卯, 1, 辰), 1)); }

TEST(ChildhoodDangers, FirstFiveFollowSeasonAndMonthTables) {
    // 鬼门关(一): spring 子午, summer 巳亥, autumn 寅申, winter 丑未.
    EXPECT_TRUE(carries(pillars(1, 卯, 1, 午), 2));
    EXPECT_TRUE(carries(pillars(1, 未, 1, 亥), 2));
    EXPECT_TRUE(carries(pillars(1, 戌, 1, 寅), 2));
    EXPECT_TRUE(carries(pillars(1, 亥, 1, 丑), 2));
    EXPECT_FALSE(carries(pillars(1, 亥, 1, 子), 2));
    // 阎王关: winter only 寅 and 戌.
    EXPECT_TRUE(carries(pillars(1, 子, 1, 寅), 3));
    EXPECT_TRUE(carries(pillars(1, 丑, 1, 戌), 3));
    EXPECT_FALSE(carries(pillars(1, 丑, 1, 申), 3));
    EXPECT_TRUE(carries(pillars(1, 巳, 1, 辰), 3));   // summer, 5 mod 6
    EXPECT_TRUE(carries(pillars(1, 申, 1, 午), 3));   // autumn, 7 mod 6
    // 夜啼关 by season; 断桥关 by month.
    EXPECT_TRUE(carries(pillars(1, 午, 1, 酉), 4));
    EXPECT_TRUE(carries(pillars(1, 酉, 1, 子), 4));
    EXPECT_TRUE(carries(pillars(1, 亥, 1, 卯), 4));
    EXPECT_TRUE(carries(pillars(1, 午, 1, 戌), 5));
    EXPECT_TRUE(carries(pillars(1, 亥, 1, 未), 5));
    EXPECT_FALSE(carries(pillars(1, 亥, 1, 亥), 5));
}

TEST(ChildhoodDangers, KnownTablesGiveTheirClassicalHours) {
    EXPECT_TRUE(carries(pillars(1, 寅, 1, 巳), 33));     // 落井关: 甲 day, 巳 hour
    EXPECT_TRUE(carries(pillars(1, 寅, 10, 卯), 33));   // 落井关: 癸 day, 卯 hour
    EXPECT_TRUE(carries(pillars(1, 卯, 1, 酉), 11));    // 将军箭: spring 酉
    EXPECT_FALSE(carries(pillars(1, 午, 1, 酉), 11));    // not in summer
    EXPECT_TRUE(carries(pillars(1, 寅, 1, 子), 14));     // 急脚关: spring 子
    EXPECT_TRUE(carries(pillars(1, 寅, 1, 辰), 19));   // 百日关(一): 寅 month, 辰 hour
    EXPECT_TRUE(carries(pillars(1, 子, 1, 亥), 19));     // 子 month, 亥 hour
    EXPECT_TRUE(carries(pillars(1, 丑, 1, 酉), 19));   // 丑 month, 酉 hour
    EXPECT_TRUE(carries(pillars(1, 寅, 1, 酉), 55));    // 鬼门关(二): 子 year, 酉 hour
    EXPECT_TRUE(carries(pillars(0, 寅, 1, 辰), 55));   // 亥 year, 辰 hour
    EXPECT_TRUE(carries(pillars(1, 寅, 1, 戌), 60));     // 天狗关: 子 year, 戌 hour
    EXPECT_TRUE(carries(pillars(1, 寅, 1, 申), 74));   // 白虎关: 子 year, 申 hour
    EXPECT_TRUE(carries(pillars(1, 寅, 1, 辰), 6));    // 浴盘关: spring 辰
}

TEST(ChildhoodDangers, BaoTaiDaysAreTheFiveDaysOnTheirElementsFetalBranch) {
    std::set<int> days;
    for (int d = 0; d < 60; ++d)
        if (carries(pillars(1, 寅, d, 子), 75)) days.insert(d);
    EXPECT_EQ((std::set<int>{22, 13, 25, 28, 19}), days);  // 乙酉 丙子 戊子 辛卯 壬午
}

// Every combination of the signs the dangers read: each danger is carried by
// some chart and missed by others, and no slot outside the dangers is set.
TEST(ChildhoodDangers, EveryDangerIsReachableAndNoOtherSlotIsSet) {
    const std::set<int> slots = dangerSlots();
    std::array<long, 80> hits{};
    long charts = 0;
    for (int y = 0; y < 60; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 0; d < 60; ++d)
                for (int h = 1; h <= 12; ++h) {
                    const ChildhoodDangerSlots s = childhood_danger_slots(pillars(y, m, d, h));
                    for (std::size_t i = 0; i < s.size(); ++i) {
                        ASSERT_LE(s[i], 1);
                        hits[i] += s[i];
                    }
                    ++charts;
                }
    for (int i = 0; i < 80; ++i) {
        if (slots.count(i)) {
            EXPECT_GT(hits[static_cast<std::size_t>(i)], 0) << "slot " << i << " never set";
            EXPECT_LT(hits[static_cast<std::size_t>(i)], charts) << "slot " << i << " always set";
        } else {
            EXPECT_EQ(hits[static_cast<std::size_t>(i)], 0) << "slot " << i << " holds no danger";
        }
    }
}

TEST(ChildhoodDangers, RulesCoverTheDangerSlotsOnceInAscendingOrder) {
    int previous = 0;
    std::set<int> seen;
    for (const ChildhoodDangerRule& rule : ChildhoodDangerRules) {
        EXPECT_GT(rule.slot, previous);
        previous = rule.slot;
        seen.insert(rule.slot);
    }
    EXPECT_EQ(dangerSlots(), seen);
}

TEST(ChildhoodDangers, ComputeClearsEverySlotFirst) {
    chart = ChartState{};
    chart.ChildhoodDangerFlags.fill(1);
    SplitPillars quiet{};
    ASSERT_TRUE(findQuietChart(quiet));
    storeInChart(quiet);
    compute_childhood_dangers();
    for (auto v : chart.ChildhoodDangerFlags) EXPECT_EQ(v, 0);
}

TEST(ChildhoodDangers, ClearedChartDoesNotCrash) {
    chart = ChartState{};
    write_childhood_danger_fields();
    EXPECT_FALSE(field5701().empty());
}

TEST(ChildhoodDangerText, QuotedTextsExact) {
    EXPECT_GBK_EQ("四柱关：忌坐橙栏，勿坐轿为要。<br>", ChildhoodDangerTexts[1]);
    EXPECT_GBK_EQ("鬼门关(一)：忌抱仔关门；忌夜出入门外。<br>", ChildhoodDangerTexts[2]);
    EXPECT_GBK_EQ("无情关(一)：水火要小心。<br>", ChildhoodDangerTexts[7]);
    EXPECT_GBK_EQ("天狗关：月内怕闻犬吠声。<br>", ChildhoodDangerTexts[60]);
    EXPECT_GBK_EQ("破胎煞：包胎日、主富贵包花吉<br>", ChildhoodDangerTexts[75]);
    EXPECT_GBK_EQ("本命主不犯任何小儿关煞。<br>", ChildhoodDangerNoneText);
}

TEST(ChildhoodDangerText, EveryTextIsNameColonAdviceBreak) {
    const std::string colon = "：";
    const std::string br = "<br>";
    std::set<std::string> advices;
    for (const auto& [slot, name] : kNames) {
        const char* raw = ChildhoodDangerTexts[static_cast<std::size_t>(slot)];
        ASSERT_NE(raw, nullptr) << slot;
        const std::string text = raw;
        const std::string head = std::string(name) + colon;
        ASSERT_EQ(text.compare(0, head.size(), head), 0) << testsupport::readable(text);
        ASSERT_GT(text.size(), head.size() + br.size()) << testsupport::readable(text);
        EXPECT_EQ(text.substr(text.size() - br.size()), br) << testsupport::readable(text);
        const std::string advice = text.substr(head.size(), text.size() - head.size() - br.size());
        EXPECT_EQ(advice.find("<br>"), std::string::npos) << testsupport::readable(text);
        EXPECT_TRUE(advices.insert(advice).second) << "advice repeated: " << testsupport::readable(text);
    }
    const std::set<int> slots = dangerSlots();
    for (int i = 0; i < ChildhoodDangerSlotCount; ++i) {
        if (slots.count(i)) continue;
        EXPECT_EQ(ChildhoodDangerTexts[static_cast<std::size_t>(i)], nullptr) << i;
    }
}

TEST(ChildhoodDangerText, SetSlotsAppearOnceInSlotOrder) {
    ChildhoodDangerSlots s{};
    s[75] = 1;
    s[1] = 1;
    s[60] = 1;
    EXPECT_GBK_EQ(std::string(ChildhoodDangerTexts[1]) + ChildhoodDangerTexts[60] + ChildhoodDangerTexts[75],
                  childhood_danger_text(s));
}

TEST(ChildhoodDangerText, NoDangerGivesOnlyTheNoDangerText) {
    ChildhoodDangerSlots s{};
    EXPECT_GBK_EQ(ChildhoodDangerNoneText, childhood_danger_text(s));
    s[0] = 1;  // a slot without a danger adds nothing
    EXPECT_GBK_EQ(ChildhoodDangerNoneText, childhood_danger_text(s));
}

TEST(ChildhoodDangerFields, FieldIsReplacedOnEveryChart) {
    chart = ChartState{};
    ReportFieldTable[5701] = "stale";

    storeInChart(pillars(1, 子, 1, 亥));
    write_childhood_danger_fields();
    const std::string first = field5701();
    EXPECT_EQ(first, childhood_danger_text(chart.ChildhoodDangerFlags));
    EXPECT_NE(first.find(ChildhoodDangerTexts[5]), std::string::npos);
    EXPECT_EQ(first.find(ChildhoodDangerTexts[1]), std::string::npos);

    SplitPillars quiet{};
    ASSERT_TRUE(findQuietChart(quiet));
    storeInChart(quiet);
    write_childhood_danger_fields();
    EXPECT_GBK_EQ(ChildhoodDangerNoneText, field5701());
}

TEST(ChildhoodDangerFields, CastChartReadsItsOwnPillars) {
    testsupport::TempProgramDir dir;
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));
    ReportFieldTable[5701] = "stale";
    write_childhood_danger_fields();
    const SplitPillars p{chart.monthBranch, chart.hourBranch, chart.yearStem, chart.yearBranch,
                         chart.dayStem,     chart.dayBranch,  chart.dayPillar};
    EXPECT_EQ(childhood_danger_slots(p), chart.ChildhoodDangerFlags);
    EXPECT_EQ(field5701(), childhood_danger_text(chart.ChildhoodDangerFlags));
    EXPECT_EQ(field5701().find("stale"), std::string::npos);
}

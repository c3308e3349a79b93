#include "report/childhood_dangers.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <sstream>
#include <vector>
#include <cstring>
#include <set>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/report_fields.h"
#include "report/texts/childhood_danger_texts.h"
#include "stars/nayin_element.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

using namespace orvane::signs;

const std::string& field5701() { return ReportFieldTable[5701]; }

// The split pillars of a year pillar, a month and hour branch and a day pillar.
SplitPillars pillars(int yearPillar, int monthBranch, int dayPillar, int hourBranch) {
    return {monthBranch,         hourBranch,       stem_of(yearPillar), branch_of(yearPillar),
            stem_of(dayPillar), branch_of(dayPillar), dayPillar};
}

void store_in_chart(const SplitPillars& p) {
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

std::set<int> danger_slots() {
    std::set<int> slots;
    for (const auto& [slot, name] : kNames) slots.insert(slot);
    return slots;
}

// The first combination of signs that carries no danger at all.
bool find_quiet_chart(SplitPillars& out) {
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

namespace {

// --- the almanac tables, written here as the sources print them ------------------

// A sign named in a table: a season (春夏秋冬), a stem, a branch or an element of the sound element.
enum class SignKind { Season, Stem, Branch, Element };

int sign_of(const std::string& ch, SignKind kind) {
    static const char* const seasons[] = {"", "春", "夏", "秋", "冬"};
    static const char* const elements[] = {"", "木", "火", "土", "金", "水"};
    switch (kind) {
        case SignKind::Season:
            for (int i = 1; i <= 4; ++i)
                if (ch == seasons[i]) return i;
            break;
        case SignKind::Stem:
            for (int i = 1; i <= 10; ++i)
                if (ch == StemNames[static_cast<std::size_t>(i)]) return i;
            break;
        case SignKind::Branch:
            for (int i = 1; i <= 12; ++i)
                if (ch == BranchNames[static_cast<std::size_t>(i)]) return i;
            break;
        case SignKind::Element:
            for (int i = 1; i <= 5; ++i)
                if (ch == elements[i]) return i;
            break;
    }
    ADD_FAILURE() << "unknown sign " << testsupport::readable(ch);
    return 0;
}

// "甲己:巳酉丑 庚辛:亥卯未": the hour branches of each key (GBK, two bytes a character).
std::map<int, std::set<int>> read_table(const std::string& gbk, SignKind keyKind) {
    std::map<int, std::set<int>> table;
    std::istringstream in(gbk);
    std::string entry;
    while (in >> entry) {
        const std::size_t colon = entry.find(':');
        EXPECT_NE(colon, std::string::npos) << testsupport::readable(entry);
        if (colon == std::string::npos) continue;
        std::set<int> hours;
        for (std::size_t i = colon + 1; i + 2 <= entry.size(); i += 2)
            hours.insert(sign_of(entry.substr(i, 2), SignKind::Branch));
        for (std::size_t i = 0; i + 2 <= colon; i += 2) table[sign_of(entry.substr(i, 2), keyKind)] = hours;
    }
    return table;
}

int season_of_month(int monthBranch) { return monthBranch / 3 == 0 ? 4 : monthBranch / 3; }

// Which value of the chart a table is keyed by.
enum class Key { Season, Month, YearStem, YearBranch, YearNayin, DayBranch };

int key_value(Key key, const SplitPillars& p) {
    switch (key) {
        case Key::Season: return season_of_month(p.monthBranch);
        case Key::Month: return p.monthBranch;
        case Key::YearStem: return p.yearStem;
        case Key::YearBranch: return p.yearBranch;
        case Key::YearNayin: return NayinElement(cycle_of(p.yearStem, p.yearBranch));
        case Key::DayBranch: return p.dayBranch;
    }
    return 0;
}

SignKind sign_kind(Key key) {
    switch (key) {
        case Key::Season: return SignKind::Season;
        case Key::YearStem: return SignKind::Stem;
        case Key::YearNayin: return SignKind::Element;
        default: return SignKind::Branch;
    }
}

struct AlmanacTable {
    int slot;
    Key key;
    const char* gbk;
};

// The tables followed (the published tables and the commonly quoted verses); a key missing from
// a table (深水关 in winter) carries the danger at no hour.
const AlmanacTable kAlmanacTables[] = {
    {6, Key::Season, "春:辰 夏:未 秋:戌 冬:丑"},                                  // 浴盘关
    {11, Key::Season, "春:辰戌酉 夏:子卯未 秋:寅午丑 冬:巳申亥"},                 // 将军箭
    {13, Key::Season, "春:丑巳 夏:辰申 秋:亥未 冬:寅卯"},                         // 四季关, winter by the verse
    {14, Key::Season, "春:亥子 夏:卯未 秋:寅戌 冬:丑辰"},                         // 急脚关
    {15, Key::Month, "寅申:申 卯酉:酉 辰戌:戌 巳亥:亥 午子:子 未丑:丑"},         // 金锁关
    {17, Key::Season, "春:寅 夏:未 秋:酉"},                                       // 深水关
    {18, Key::Season, "春:未戌 夏:丑辰 秋:酉 冬:丑"},                             // 水火关
    {19, Key::Month, "寅申巳亥:辰戌丑未 子午卯酉:寅申巳亥 辰戌丑未:子午卯酉"},   // 百日关(一)
    {31, Key::YearStem, "甲己:巳酉丑 庚辛:亥卯未 壬癸:寅午戌 乙丙丁戊:子"},       // 鸡飞关
    {33, Key::YearStem, "甲己:巳 乙庚:子 丙辛:申 丁壬:戌 戊癸:卯"},               // 落井关
    {34, Key::YearStem, "甲乙丙丁:申子辰 戊己庚辛:亥卯未 壬癸:寅午戌"},           // 阎皇取命关
    {55, Key::YearBranch, "子:酉 丑:午 寅:未 卯:申 辰:亥 巳:戌 午:丑 未:寅 申:卯 酉:子 戌:巳 亥:辰"},  // 鬼门关(二)
    {56, Key::DayBranch, "子午卯酉:辰 寅申巳亥:戌 辰戌丑未:丑"},                  // 休魔和尚关
    {58, Key::YearBranch, "子:辰 丑:卯 寅:寅 卯:丑 辰:子 巳:亥 午:戌 未:酉 申:申 酉:未 戌:午 亥:巳"},  // 五鬼关
    {60, Key::YearBranch, "子:戌 丑:亥 寅:子 卯:丑 辰:寅 巳:卯 午:辰 未:巳 申:午 酉:未 戌:申 亥:酉"},  // 天狗关
    {62, Key::YearBranch, "子午卯酉:丑 寅申巳亥:申 辰戌丑未:卯"},                 // 埋儿关
    {71, Key::YearNayin, "金:戌 火:未 木:辰 水:丑 土:丑"},                        // 铁蛇关
};

// The dangers no published table is known for: never found.
const std::set<int> kNotJudged = {7, 8, 9, 10, 12, 16, 32, 35, 36, 37, 51, 52, 54, 57, 59, 61, 72, 74, 75, 77};

// Every combination of year pillar, month, day pillar and hour.
template <typename F>
void for_every_chart(F&& f) {
    for (int y = 0; y < 60; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 0; d < 60; ++d)
                for (int h = 1; h <= 12; ++h) f(pillars(y, m, d, h));
}

}  // namespace

TEST(ChildhoodDangers, AlmanacDangersFollowTheirTablesExactly) {
    struct Check {
        int slot;
        Key key;
        std::map<int, std::set<int>> table;
        long wrong = 0;
    };
    std::vector<Check> checks;
    for (const auto& t : kAlmanacTables) checks.push_back({t.slot, t.key, read_table(t.gbk, sign_kind(t.key))});
    for (const Check& c : checks) EXPECT_FALSE(c.table.empty()) << c.slot;
    for_every_chart([&](const SplitPillars& p) {
        const ChildhoodDangerSlots s = childhood_danger_slots(p);
        for (Check& c : checks) {
            const auto it = c.table.find(key_value(c.key, p));
            const bool expected = it != c.table.end() && it->second.contains(p.hourBranch);
            if ((s[static_cast<std::size_t>(c.slot)] == 1) != expected) ++c.wrong;
        }
    });
    for (const Check& c : checks) EXPECT_EQ(c.wrong, 0) << "slot " << c.slot;
}

// 汤火关 by 《三命通会》: the 丧门 and the 吊客 of the year both stand among the other branches.
TEST(ChildhoodDangers, TangHuoNeedsBothSangMenAndDiaoKe) {
    EXPECT_TRUE(carries(pillars(1, 寅, 11, 戌), 53));   // 子 year: 寅 month, 戌 hour
    EXPECT_TRUE(carries(pillars(1, 卯, 51, 戌), 53));   // 寅 day (甲寅), 戌 hour
    EXPECT_FALSE(carries(pillars(1, 寅, 1, 子), 53));   // 丧门 alone
    EXPECT_FALSE(carries(pillars(1, 午, 11, 子), 53));  // 吊客 alone (day 甲戌)
    long found = 0, wrong = 0;
    for_every_chart([&](const SplitPillars& p) {
        const std::set<int> others = {p.monthBranch, p.dayBranch, p.hourBranch};
        const bool expected = others.contains(wrap1(p.yearBranch + 2, 12)) && others.contains(wrap1(p.yearBranch - 2, 12));
        wrong += carries(p, 53) != expected;
        found += expected;
    });
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(found, 0);
}

TEST(ChildhoodDangers, DangersWithoutAPublishedTableAreNotJudged) {
    std::set<int> withoutTest;
    for (const ChildhoodDangerRule& rule : ChildhoodDangerRules)
        if (rule.carries == nullptr) withoutTest.insert(rule.slot);
    EXPECT_EQ(withoutTest, kNotJudged);
}

// Every combination of the signs the dangers read: each judged danger is carried
// by some chart and missed by others, and no other slot is set.
TEST(ChildhoodDangers, EveryDangerIsReachableAndNoOtherSlotIsSet) {
    const std::set<int> slots = danger_slots();
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
        if (slots.count(i) && !kNotJudged.contains(i)) {
            EXPECT_GT(hits[static_cast<std::size_t>(i)], 0) << "slot " << i << " never set";
            EXPECT_LT(hits[static_cast<std::size_t>(i)], charts) << "slot " << i << " always set";
        } else {
            EXPECT_EQ(hits[static_cast<std::size_t>(i)], 0) << "slot " << i << " is never set";
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
    EXPECT_EQ(danger_slots(), seen);
}

TEST(ChildhoodDangers, ComputeClearsEverySlotFirst) {
    chart = ChartState{};
    chart.ChildhoodDangerFlags.fill(1);
    SplitPillars quiet{};
    ASSERT_TRUE(find_quiet_chart(quiet));
    store_in_chart(quiet);
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
    const std::set<int> slots = danger_slots();
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

    store_in_chart(pillars(1, 子, 1, 亥));
    write_childhood_danger_fields();
    const std::string first = field5701();
    EXPECT_EQ(first, childhood_danger_text(chart.ChildhoodDangerFlags));
    EXPECT_NE(first.find(ChildhoodDangerTexts[5]), std::string::npos);
    EXPECT_EQ(first.find(ChildhoodDangerTexts[1]), std::string::npos);

    SplitPillars quiet{};
    ASSERT_TRUE(find_quiet_chart(quiet));
    store_in_chart(quiet);
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

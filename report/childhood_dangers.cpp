// 小儿关煞: each danger is one test on the month, hour, year or day signs.
// The first five follow the program's own rules; the others follow the almanac
// tables, each comment naming the table and, where the sources disagree, the
// version chosen. A danger with no published table is not judged at all.
#include "report/childhood_dangers.h"

#include <cstddef>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "report/report_fields.h"
#include "report/texts/childhood_danger_texts.h"
#include "stars/nayin_element.h"

namespace orvane {

namespace {

using namespace signs;

// A set of branches as bits 1 … 12.
using BranchSet = std::uint16_t;

template <typename... B>
constexpr BranchSet branches(B... b) {
    return static_cast<BranchSet>(((1u << b) | ... | 0u));
}

constexpr bool contains(BranchSet set, int branch) { return ((set >> wrap1(branch, 12)) & 1u) != 0; }

constexpr int branch_offset(int branch, int steps) { return wrap1(branch + steps, 12); }

// 1 寅卯辰 spring, 2 巳午未 summer, 3 申酉戌 autumn, 4 亥子丑 winter.
constexpr int season(int monthBranch) {
    const int s = wrap1(monthBranch, 12) / 3;
    return s == 0 ? 4 : s;
}

// 0 孟 寅申巳亥, 1 仲 子午卯酉, 2 季 辰戌丑未.
constexpr int rank(int branch) { return wrap1(branch, 12) % 3; }

constexpr int stem(int s) { return wrap1(s, 10); }

// Hour branches by season, index 1 … 4.
using SeasonTable = std::array<BranchSet, 5>;

constexpr bool season_hour(const SeasonTable& table, const SplitPillars& p) {
    return contains(table[static_cast<std::size_t>(season(p.monthBranch))], p.hourBranch);
}

// --- the five rules of the program ------------------------------------------

// 四柱关
bool si_zhu_guan(const SplitPillars& p) { return wrap(wrap1(p.monthBranch, 12) + wrap1(p.hourBranch, 12), 6) == 3; }

// 鬼门关(一): hour by season, as H mod 6.
bool gui_men_guan1(const SplitPillars& p) {
    constexpr int h6BySeason[5] = {-1, 1, 0, 3, 2};
    return wrap1(p.hourBranch, 12) % 6 == h6BySeason[season(p.monthBranch)];
}

// 阎王关
bool yan_wang_guan(const SplitPillars& p) {
    const int h = wrap1(p.hourBranch, 12);
    switch (season(p.monthBranch)) {
        case 1: return h % 6 == 2;
        case 2: return h % 6 == 5;
        case 3: return h % 6 == 1;
        default: return h == 寅 || h == 戌;
    }
}

// 夜啼关
bool ye_ti_guan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(午), branches(酉), branches(子), branches(卯)};
    return season_hour(t, p);
}

// 断桥关: the hour of each month branch.
bool duan_qiao_guan(const SplitPillars& p) {
    constexpr int hourOfMonth[13] = {0,       亥,  子,  寅, 午,  寅, 丑,
                                     戌,  酉,  辰, 巳, 卯, 未};
    return wrap1(p.hourBranch, 12) == hourOfMonth[wrap1(p.monthBranch, 12)];
}

// --- the others ---------------------------------------------------------------
// Each follows a published almanac table (the 通书 / 百中经 line; 《三命通会》 names these dangers
// but leaves their tables out). Where the almanacs give no table, the danger is not judged.

// 浴盘关: the commonly quoted verse 春龙 夏羊 秋犬 冬牛 (no table page seen).
bool yu_pan_guan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(辰), branches(未), branches(戌), branches(丑)};
    return season_hour(t, p);
}

// 将军箭 (将军关): 春 辰戌酉, 夏 子卯未, 秋 寅午丑, 冬 巳申亥.
bool jiang_jun_jian(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(辰, 戌, 酉), branches(子, 卯, 未),
                               branches(寅, 午, 丑), branches(巳, 申, 亥)};
    return season_hour(t, p);
}

// 四季关: 春 丑巳, 夏 辰申, 秋 亥未; for winter the sources differ (寅卯 by the verse "冬兔虎",
// 寅戌 by a row of 《三命通会》 not named 四季关): ours is the verse's 寅卯.
bool si_ji_guan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(丑, 巳), branches(辰, 申), branches(亥, 未), branches(寅, 卯)};
    return season_hour(t, p);
}

// 急脚关: the commonly quoted verse, 春 亥子, 夏 卯未, 秋 寅戌, 冬 丑辰.
bool ji_jiao_guan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(亥, 子), branches(卯, 未),
                               branches(寅, 戌), branches(丑, 辰)};
    return season_hour(t, p);
}

// 金锁关: 正七逢猴 … 六十二月丑上随: 寅申 months 申, 卯酉 酉, 辰戌 戌, 巳亥 亥, 午子 子, 未丑 丑.
bool jin_suo_guan(const SplitPillars& p) {
    constexpr int hourOfMonth[13] = {0, 子, 丑, 申, 酉, 戌, 亥, 子, 丑, 申, 酉, 戌, 亥};
    return wrap1(p.hourBranch, 12) == hourOfMonth[wrap1(p.monthBranch, 12)];
}

// 深水关: 春 寅, 夏 未, 秋 酉; no winter hour is published, so a winter birth is not judged.
bool shen_shui_guan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(寅), branches(未), branches(酉), 0};
    return season_hour(t, p);
}

// 水火关: as the one source gives it, 春 未戌, 夏 丑辰, 秋 酉, 冬 丑.
bool shui_huo_guan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(未, 戌), branches(丑, 辰), branches(酉), branches(丑)};
    return season_hour(t, p);
}

// 百日关(一): 寅申巳亥 months 辰戌丑未 hours, 子午卯酉 months 寅申巳亥, 辰戌丑未 months 子午卯酉.
bool bai_ri_guan1(const SplitPillars& p) {
    constexpr int hourRank[3] = {2, 0, 1};
    return rank(p.hourBranch) == hourRank[rank(p.monthBranch)];
}

// 鸡飞关: by the year stem, 甲己 巳酉丑, 庚辛 亥卯未, 壬癸 寅午戌, 乙丙丁戊 子 (some books read
// the day stem; ours follows the table's year stem).
bool ji_fei_guan(const SplitPillars& p) {
    constexpr BranchSet hoursOfStem[11] = {0,
                                           branches(巳, 酉, 丑),  // 甲
                                           branches(子),          // 乙
                                           branches(子),          // 丙
                                           branches(子),          // 丁
                                           branches(子),          // 戊
                                           branches(巳, 酉, 丑),  // 己
                                           branches(亥, 卯, 未),  // 庚
                                           branches(亥, 卯, 未),  // 辛
                                           branches(寅, 午, 戌),  // 壬
                                           branches(寅, 午, 戌)};  // 癸
    return contains(hoursOfStem[stem(p.yearStem)], p.hourBranch);
}

// 落井关: the commonly quoted verse by the year stem, 甲己 巳, 乙庚 子, 丙辛 申, 丁壬 戌, 戊癸 卯.
bool luo_jing_guan(const SplitPillars& p) {
    constexpr int hourOfPair[5] = {巳, 子, 申, 戌, 卯};
    return wrap1(p.hourBranch, 12) == hourOfPair[(stem(p.yearStem) - 1) % 5];
}

// 阎皇取命关 (取命关): by the year stem, 甲乙丙丁 申子辰, 戊己庚辛 亥卯未, 壬癸 寅午戌.
bool yan_huang_qu_ming_guan(const SplitPillars& p) {
    const int s = stem(p.yearStem);
    const BranchSet hours = s <= 丁 ? branches(申, 子, 辰) : s <= 辛 ? branches(亥, 卯, 未) : branches(寅, 午, 戌);
    return contains(hours, p.hourBranch);
}

// 汤火关: the one almanac text contradicts itself; ours is the reading of 《三命通会》, the 丧门
// (two branches after the year) and the 吊客 (two before it) both among the month, day and hour
// branches ("多汤火灾").
bool tang_huo_guan(const SplitPillars& p) {
    const BranchSet others = branches(wrap1(p.monthBranch, 12), wrap1(p.dayBranch, 12), wrap1(p.hourBranch, 12));
    return contains(others, branch_offset(p.yearBranch, 2)) && contains(others, branch_offset(p.yearBranch, -2));
}

// 鬼门关(二): the commonly quoted verse, year branch with hour branch
// (子酉 丑午 寅未 卯申 辰亥 巳戌 午丑 未寅 申卯 酉子 戌巳 亥辰).
bool gui_men_guan2(const SplitPillars& p) {
    constexpr int hourOfYear[13] = {0, 酉, 午, 未, 申, 亥, 戌, 丑, 寅, 卯, 子, 巳, 辰};
    return wrap1(p.hourBranch, 12) == hourOfYear[wrap1(p.yearBranch, 12)];
}

// 休魔和尚关: the sources disagree; ours is the version by the day branch, 子午卯酉 辰, 寅申巳亥 戌,
// 辰戌丑未 丑 (the other, by season, rests on one weak source).
bool xiu_mo_he_shang_guan(const SplitPillars& p) {
    constexpr int hourOfRank[3] = {戌, 辰, 丑};
    return wrap1(p.hourBranch, 12) == hourOfRank[rank(p.dayBranch)];
}

// 五鬼关: the sources disagree; ours is the folk text of the danger itself, the year and hour
// branches counted from 子 = 0 adding to 4 (mod 12) (子辰 丑卯 寅寅 卯丑 辰子 巳亥 … 亥巳), not the 五鬼 star of
// 《星平会海》 four branches after the year.
bool wu_gui_guan(const SplitPillars& p) {
    return wrap(wrap1(p.yearBranch, 12) + wrap1(p.hourBranch, 12), 12) == 6;
}

// 天狗关: the commonly quoted verse, the 天狗 ten branches after the year (子 year 戌) in the hour.
bool tian_gou_guan(const SplitPillars& p) { return wrap1(p.hourBranch, 12) == branch_offset(p.yearBranch, 10); }

// 埋儿关 (埋儿煞, 绝房煞): 子午卯酉 years 丑, 寅申巳亥 years 申, 辰戌丑未 years 卯.
bool mai_er_guan(const SplitPillars& p) {
    constexpr int hourOfRank[3] = {申, 丑, 卯};
    return wrap1(p.hourBranch, 12) == hourOfRank[rank(p.yearBranch)];
}

// 铁蛇关: by the sound element of the year pillar, 金 戌, 火 未, 木 辰, 水 丑, 土 丑.
bool tie_she_guan(const SplitPillars& p) {
    const int yearPillar = cycle_of(stem(p.yearStem), wrap1(p.yearBranch, 12));
    if (yearPillar < 0) return false;
    constexpr int hourOfElement[6] = {0, 辰, 未, 丑, 戌, 丑};  // 木 火 土 金 水
    return wrap1(p.hourBranch, 12) == hourOfElement[NayinElement(yearPillar)];
}

}  // namespace

// nullptr: no published table of the danger is known to us, so it is not judged (7 无情关(一),
// 8 无情关(二), 9 月颜回关, 10 路尸煞, 12 回季颜回关, 16 开锁关, 32 短命关(一), 35 千日关, 36 雷公关,
// 37 断肠关, 51 天吊关(一), 52 天吊关(二), 54 百日关(二), 57 龙娥关, 59 短命关(二), 61 撞命关,
// 72 大颜回关, 74 白虎关, 75 破胎煞, 77 龙娥妖).
const std::array<ChildhoodDangerRule, ChildhoodDangerCount> ChildhoodDangerRules = {{
    {1, si_zhu_guan},       {2, gui_men_guan1},      {3, yan_wang_guan},         {4, ye_ti_guan},
    {5, duan_qiao_guan},    {6, yu_pan_guan},        {7, nullptr},             {8, nullptr},
    {9, nullptr},         {10, nullptr},         {11, jiang_jun_jian},       {12, nullptr},
    {13, si_ji_guan},       {14, ji_jiao_guan},      {15, jin_suo_guan},         {16, nullptr},
    {17, shen_shui_guan},   {18, shui_huo_guan},     {19, bai_ri_guan1},         {31, ji_fei_guan},
    {32, nullptr},        {33, luo_jing_guan},     {34, yan_huang_qu_ming_guan}, {35, nullptr},
    {36, nullptr},        {37, nullptr},         {51, nullptr},            {52, nullptr},
    {53, tang_huo_guan},    {54, nullptr},         {55, gui_men_guan2},        {56, xiu_mo_he_shang_guan},
    {57, nullptr},        {58, wu_gui_guan},       {59, nullptr},            {60, tian_gou_guan},
    {61, nullptr},        {62, mai_er_guan},       {71, tie_she_guan},         {72, nullptr},
    {74, nullptr},        {75, nullptr},         {77, nullptr},
}};

ChildhoodDangerSlots childhood_danger_slots(const SplitPillars& pillars) {
    ChildhoodDangerSlots slots{};
    for (const ChildhoodDangerRule& rule : ChildhoodDangerRules)
        if (rule.carries != nullptr && rule.carries(pillars)) slots[static_cast<std::size_t>(rule.slot)] = 1;
    return slots;
}

std::string childhood_danger_text(const ChildhoodDangerSlots& slots) {
    std::string text;
    for (std::size_t slot = 0; slot <= 77; ++slot)
        if (slots[slot] != 0 && ChildhoodDangerTexts[slot] != nullptr) text += ChildhoodDangerTexts[slot];
    return text.empty() ? std::string(ChildhoodDangerNoneText) : text;
}

void compute_childhood_dangers() {
    const SplitPillars pillars{chart.monthBranch, chart.hourBranch, chart.yearStem, chart.yearBranch,
                               chart.dayStem,     chart.dayBranch,  chart.dayPillar};
    chart.ChildhoodDangerFlags = childhood_danger_slots(pillars);
}

void write_childhood_danger_fields() {
    compute_childhood_dangers();
    ReportFieldTable[5701] = childhood_danger_text(chart.ChildhoodDangerFlags);
}

}  // namespace orvane

// 小儿关煞: each danger is one test on the month, hour, year or day signs.
// The first five follow the program's own rules; for the others the comment
// says which almanac table is used, or that the table is our own reconstruction
// where no table is known to us.
#include "report/childhood_dangers.h"

#include <cstddef>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "report/report_fields.h"
#include "report/texts/childhood_danger_texts.h"

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

constexpr int branchOffset(int branch, int steps) { return wrap1(branch + steps, 12); }

// 1 寅卯辰 spring, 2 巳午未 summer, 3 申酉戌 autumn, 4 亥子丑 winter.
constexpr int season(int monthBranch) {
    const int s = wrap1(monthBranch, 12) / 3;
    return s == 0 ? 4 : s;
}

// 0 孟 寅申巳亥, 1 仲 子午卯酉, 2 季 辰戌丑未.
constexpr int rank(int branch) { return wrap1(branch, 12) % 3; }

// 三合 group: 0 亥卯未, 1 申子辰, 2 巳酉丑, 3 寅午戌.
constexpr int triad(int branch) { return wrap1(branch, 12) % 4; }

constexpr int stem(int s) { return wrap1(s, 10); }

// Hour branches by season, index 1 … 4.
using SeasonTable = std::array<BranchSet, 5>;

constexpr bool seasonHour(const SeasonTable& table, const SplitPillars& p) {
    return contains(table[static_cast<std::size_t>(season(p.monthBranch))], p.hourBranch);
}

// Branch of a twelve-stage position for the element of a day stem, earth
// following fire: where 长生 stands, then `stage` steps on (胎 = 10, 死 = 7, 绝 = 9).
constexpr int stageBranchOfElement(int dayStem, int stage) {
    constexpr int changSheng[6] = {0, 亥, 寅, 寅, 巳, 申};
    return branchOffset(changSheng[elementOfStem(stem(dayStem))], stage);
}

// --- the five rules of the program ------------------------------------------

// 四柱关
bool siZhuGuan(const SplitPillars& p) { return wrap(wrap1(p.monthBranch, 12) + wrap1(p.hourBranch, 12), 6) == 3; }

// 鬼门关(一): hour by season, as H mod 6.
bool guiMenGuan1(const SplitPillars& p) {
    constexpr int h6BySeason[5] = {-1, 1, 0, 3, 2};
    return wrap1(p.hourBranch, 12) % 6 == h6BySeason[season(p.monthBranch)];
}

// 阎王关
bool yanWangGuan(const SplitPillars& p) {
    const int h = wrap1(p.hourBranch, 12);
    switch (season(p.monthBranch)) {
        case 1: return h % 6 == 2;
        case 2: return h % 6 == 5;
        case 3: return h % 6 == 1;
        default: return h == 寅 || h == 戌;
    }
}

// 夜啼关
bool yeTiGuan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(午), branches(酉), branches(子), branches(卯)};
    return seasonHour(t, p);
}

// 断桥关: the hour of each month branch.
bool duanQiaoGuan(const SplitPillars& p) {
    constexpr int hourOfMonth[13] = {0,       亥,  子,  寅, 午,  寅, 丑,
                                     戌,  酉,  辰, 巳, 卯, 未};
    return wrap1(p.hourBranch, 12) == hourOfMonth[wrap1(p.monthBranch, 12)];
}

// --- the others ---------------------------------------------------------------

// 浴盘关: almanac table, spring 辰 summer 未 autumn 戌 winter 丑.
bool yuPanGuan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(辰), branches(未), branches(戌), branches(丑)};
    return seasonHour(t, p);
}

// 无情关(一): no table known to us; the 孟 hour of the coming season.
bool wuQingGuan1(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(巳), branches(申), branches(亥), branches(寅)};
    return seasonHour(t, p);
}

// 无情关(二): no table known to us; the 劫煞 hour of the birth year's triad.
bool wuQingGuan2(const SplitPillars& p) {
    constexpr int hourOfTriad[4] = {申, 巳, 寅, 亥};
    return wrap1(p.hourBranch, 12) == hourOfTriad[triad(p.yearBranch)];
}

// 月颜回关: no table known to us; the hour that clashes the month branch.
bool yueYanHuiGuan(const SplitPillars& p) { return wrap1(p.hourBranch, 12) == branchOffset(p.monthBranch, 6); }

// 路尸煞: no table known to us; the hour at 绝 of the day master's element.
bool luShiSha(const SplitPillars& p) { return wrap1(p.hourBranch, 12) == stageBranchOfElement(p.dayStem, 9); }

// 将军箭: almanac table, spring 辰酉戌, summer 子卯未, autumn 寅午申, winter 丑巳亥.
bool jiangJunJian(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(辰, 酉, 戌), branches(子, 卯, 未),
                               branches(寅, 午, 申), branches(丑, 巳, 亥)};
    return seasonHour(t, p);
}

// 回季颜回关: no table known to us; a day branch of the earth that closed the last season.
bool huiJiYanHuiGuan(const SplitPillars& p) {
    constexpr int dayOfSeason[5] = {0, 丑, 辰, 未, 戌};
    return wrap1(p.dayBranch, 12) == dayOfSeason[season(p.monthBranch)];
}

// 四季关: no table known to us; the hour of the earth that closes the coming season.
bool siJiGuan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(未), branches(戌), branches(丑), branches(辰)};
    return seasonHour(t, p);
}

// 急脚关: almanac table, spring 亥子, summer 卯未, autumn 寅戌, winter 丑辰.
bool jiJiaoGuan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(亥, 子), branches(卯, 未),
                               branches(寅, 戌), branches(丑, 辰)};
    return seasonHour(t, p);
}

// 金锁关: versions differ (by month or by year); ours: a yang year at 申, a yin year at 酉.
bool jinSuoGuan(const SplitPillars& p) {
    return wrap1(p.hourBranch, 12) == (isYang(stem(p.yearStem)) ? 申 : 酉);
}

// 开锁关: no table known to us; the hour in six-harmony with the month branch.
bool kaiSuoGuan(const SplitPillars& p) {
    return wrap(wrap1(p.monthBranch, 12) + wrap1(p.hourBranch, 12), 12) == 3;
}

// 深水关: no table known to us; spring 寅申, summer 子卯, autumn 巳午, winter 酉戌.
bool shenShuiGuan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(寅, 申), branches(子, 卯),
                               branches(巳, 午), branches(酉, 戌)};
    return seasonHour(t, p);
}

// 水火关: spring 未戌 and summer 丑辰 as one almanac gives; autumn and winter our own.
bool shuiHuoGuan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(未, 戌), branches(丑, 辰),
                               branches(辰, 未), branches(丑, 戌)};
    return seasonHour(t, p);
}

// 百日关(一): almanac table, 孟 month 季 hour, 仲 month 孟 hour, 季 month 仲 hour.
bool baiRiGuan1(const SplitPillars& p) {
    constexpr int hourRank[3] = {2, 0, 1};
    return rank(p.hourBranch) == hourRank[rank(p.monthBranch)];
}

// 鸡飞关: no table known to us; the 咸池 hour of the birth year's triad (酉 for 申子辰).
bool jiFeiGuan(const SplitPillars& p) {
    constexpr int hourOfTriad[4] = {子, 酉, 午, 卯};
    return wrap1(p.hourBranch, 12) == hourOfTriad[triad(p.yearBranch)];
}

// 短命关(一): almanac version, 子午卯酉 year 巳, 寅申巳亥 year 辰, 辰戌丑未 year 寅.
bool duanMingGuan1(const SplitPillars& p) {
    constexpr int hourOfRank[3] = {辰, 巳, 寅};
    return wrap1(p.hourBranch, 12) == hourOfRank[rank(p.yearBranch)];
}

// 落井关: almanac table, 甲己 day 巳, 乙庚 子, 丙辛 申, 丁壬 戌, 戊癸 卯.
bool luoJingGuan(const SplitPillars& p) {
    constexpr int hourOfPair[5] = {巳, 子, 申, 戌, 卯};
    return wrap1(p.hourBranch, 12) == hourOfPair[(stem(p.dayStem) - 1) % 5];
}

// 阎皇取命关: no table known to us; the hours of the element that controls the season.
bool yanHuangQuMingGuan(const SplitPillars& p) {
    constexpr SeasonTable t = {0, branches(申, 酉), branches(亥, 子),
                               branches(巳, 午), branches(辰, 戌)};
    return seasonHour(t, p);
}

// 千日关: one almanac version, 甲乙 day 午, 丙丁 辰, 戊己 寅, 庚辛 子, 壬癸 戌.
bool qianRiGuan(const SplitPillars& p) {
    constexpr int hourOfElement[6] = {0, 午, 辰, 寅, 子, 戌};
    return wrap1(p.hourBranch, 12) == hourOfElement[elementOfStem(stem(p.dayStem))];
}

// 雷公关: no table known to us; 甲己 day 寅, 乙庚 卯, 丙辛 辰, 丁壬 巳, 戊癸 午.
bool leiGongGuan(const SplitPillars& p) {
    constexpr int hourOfPair[5] = {寅, 卯, 辰, 巳, 午};
    return wrap1(p.hourBranch, 12) == hourOfPair[(stem(p.dayStem) - 1) % 5];
}

// 断肠关: versions differ; ours by the year stem, 甲乙 午未, 丙丁 辰巳, 戊己 寅卯, 庚辛 子丑, 壬癸 戌亥.
bool duanChangGuan(const SplitPillars& p) {
    constexpr BranchSet hoursOfElement[6] = {0,
                                             branches(午, 未),
                                             branches(辰, 巳),
                                             branches(寅, 卯),
                                             branches(子, 丑),
                                             branches(戌, 亥)};
    return contains(hoursOfElement[elementOfStem(stem(p.yearStem))], p.hourBranch);
}

// 天吊关(一): no table known to us; the hour three branches after the month.
bool tianDiaoGuan1(const SplitPillars& p) { return wrap1(p.hourBranch, 12) == branchOffset(p.monthBranch, 3); }

// 天吊关(二): no table known to us; the hour four branches after the day branch.
bool tianDiaoGuan2(const SplitPillars& p) { return wrap1(p.hourBranch, 12) == branchOffset(p.dayBranch, 4); }

// 汤火关: one almanac version, 子午卯酉 year 午, 寅申巳亥 year 未, 辰戌丑未 year 寅.
bool tangHuoGuan(const SplitPillars& p) {
    constexpr int hourOfRank[3] = {未, 午, 寅};
    return wrap1(p.hourBranch, 12) == hourOfRank[rank(p.yearBranch)];
}

// 百日关(二): the table of 百日关(一) read on the day branch instead of the month.
bool baiRiGuan2(const SplitPillars& p) {
    constexpr int hourRank[3] = {2, 0, 1};
    return rank(p.hourBranch) == hourRank[rank(p.dayBranch)];
}

// 鬼门关(二): the classical 鬼门 pairs, year branch with hour branch
// (子酉 丑午 寅未 卯申 辰亥 巳戌 午丑 未寅 申卯 酉子 戌巳 亥辰).
bool guiMenGuan2(const SplitPillars& p) {
    constexpr int hourOfYear[13] = {0,       酉, 午,   未, 申, 亥, 戌,
                                    丑, 寅, 卯, 子,  巳,   辰};
    return wrap1(p.hourBranch, 12) == hourOfYear[wrap1(p.yearBranch, 12)];
}

// 休魔和尚关: the almanac 和尚关, 子午卯酉 year 季 hour, 寅申巳亥 year 仲 hour, 辰戌丑未 year 孟 hour.
bool xiuMoHeShangGuan(const SplitPillars& p) {
    constexpr int hourRank[3] = {1, 2, 0};
    return rank(p.hourBranch) == hourRank[rank(p.yearBranch)];
}

// 龙娥关: no table known to us; a 辰 day at a 辰 hour.
bool longEGuan(const SplitPillars& p) {
    return wrap1(p.dayBranch, 12) == 辰 && wrap1(p.hourBranch, 12) == 辰;
}

// 五鬼关: no table known to us; year and hour branch adding to 6 (子辰 丑卯 寅寅 … 亥巳).
bool wuGuiGuan(const SplitPillars& p) {
    return wrap(wrap1(p.yearBranch, 12) + wrap1(p.hourBranch, 12), 12) == 6;
}

// 短命关(二): no table known to us; the hour at 死 of the day master's element.
bool duanMingGuan2(const SplitPillars& p) { return wrap1(p.hourBranch, 12) == stageBranchOfElement(p.dayStem, 7); }

// 天狗关: the 天狗 of the year (ten branches on, 子 year 戌) standing in the hour.
bool tianGouGuan(const SplitPillars& p) { return wrap1(p.hourBranch, 12) == branchOffset(p.yearBranch, 10); }

// 撞命关: no table known to us; the hour that clashes the year branch.
bool zhuangMingGuan(const SplitPillars& p) { return wrap1(p.hourBranch, 12) == branchOffset(p.yearBranch, 6); }

// 埋儿关: one almanac version, 子午卯酉 year 丑, 寅申巳亥 year 辰, 辰戌丑未 year 卯.
bool maiErGuan(const SplitPillars& p) {
    constexpr int hourOfRank[3] = {辰, 丑, 卯};
    return wrap1(p.hourBranch, 12) == hourOfRank[rank(p.yearBranch)];
}

// 铁蛇关: no table known to us; 孟 month 戌 hour, 仲 month 辰 hour, 季 month 巳 hour.
bool tieSheGuan(const SplitPillars& p) {
    constexpr int hourOfRank[3] = {戌, 辰, 巳};
    return wrap1(p.hourBranch, 12) == hourOfRank[rank(p.monthBranch)];
}

// 大颜回关: no table known to us; a day pillar among the ten 十恶大败 days.
bool daYanHuiGuan(const SplitPillars& p) {
    constexpr int days[10] = {41, 42, 33, 24, 35, 26, 17, 18, 9, 0};  // 甲辰 乙巳 丙申 丁亥 戊戌 己丑 庚辰 辛巳 壬申 癸亥
    const int day = cycle(p.dayPillar);
    for (int d : days)
        if (d == day) return true;
    return false;
}

// 白虎关: the 白虎 of the year (eight branches on, 子 year 申) standing in the hour.
bool baiHuGuan(const SplitPillars& p) { return wrap1(p.hourBranch, 12) == branchOffset(p.yearBranch, 8); }

// 破胎煞: no table known to us; a day whose branch is 胎 of its stem's element (包胎日):
// 乙酉 丙子 戊子 辛卯 壬午.
bool poTaiSha(const SplitPillars& p) {
    const int day = cycle(p.dayPillar);
    return branchOf(day) == stageBranchOfElement(stemOf(day), 10);
}

// 龙娥妖: no table known to us; a 辰 day in a 辰 month.
bool longEYao(const SplitPillars& p) {
    return wrap1(p.monthBranch, 12) == 辰 && wrap1(p.dayBranch, 12) == 辰;
}

}  // namespace

const std::array<ChildhoodDangerRule, ChildhoodDangerCount> ChildhoodDangerRules = {{
    {1, siZhuGuan},        {2, guiMenGuan1},       {3, yanWangGuan},       {4, yeTiGuan},
    {5, duanQiaoGuan},     {6, yuPanGuan},         {7, wuQingGuan1},       {8, wuQingGuan2},
    {9, yueYanHuiGuan},    {10, luShiSha},         {11, jiangJunJian},     {12, huiJiYanHuiGuan},
    {13, siJiGuan},        {14, jiJiaoGuan},       {15, jinSuoGuan},       {16, kaiSuoGuan},
    {17, shenShuiGuan},    {18, shuiHuoGuan},      {19, baiRiGuan1},       {31, jiFeiGuan},
    {32, duanMingGuan1},   {33, luoJingGuan},      {34, yanHuangQuMingGuan}, {35, qianRiGuan},
    {36, leiGongGuan},     {37, duanChangGuan},    {51, tianDiaoGuan1},    {52, tianDiaoGuan2},
    {53, tangHuoGuan},     {54, baiRiGuan2},       {55, guiMenGuan2},      {56, xiuMoHeShangGuan},
    {57, longEGuan},       {58, wuGuiGuan},        {59, duanMingGuan2},    {60, tianGouGuan},
    {61, zhuangMingGuan},  {62, maiErGuan},        {71, tieSheGuan},       {72, daYanHuiGuan},
    {74, baiHuGuan},       {75, poTaiSha},         {77, longEYao},
}};

ChildhoodDangerSlots childhood_danger_slots(const SplitPillars& pillars) {
    ChildhoodDangerSlots slots{};
    for (const ChildhoodDangerRule& rule : ChildhoodDangerRules)
        if (rule.carries(pillars)) slots[static_cast<std::size_t>(rule.slot)] = 1;
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

// 神煞特例 — the stars whose finding is not a plain table lookup: the hour splits of the
// 贵人, the Life Palace key of 天马, the polarity key of 元辰, the sound-element stars and
// the rules that look at several chart values at once.
#include <algorithm>
#include <array>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "stars/nayin_element.h"
#include "stars/shensha_tables.h"
#include "stars/special_stars.h"

namespace orvane {
namespace {

std::string found(int starId) {
    set_star_found(starId);
    return std::string(shen_sha_name(starId)) + "  ";
}

std::string found_if(bool condition, int starId) { return condition ? found(starId) : std::string(); }

// The first row of the star with this key names the branch the star stands on.
bool keyed_branch_is(int starId, int key, int positionValue) {
    const ShenShaRuleRow* row = first_shen_sha_rule(starId, key);
    return row != nullptr && row->branch == positionValue;
}

// Born 寅 to 申: the daylight 贵人 rows; 子丑 and 酉戌亥: the night rows.
bool born_by_day() { return chart.hourBranchNo >= 3 && chart.hourBranchNo <= 9; }
bool born_by_night() {
    const int h = chart.hourBranchNo;
    return h == 1 || h == 2 || (h >= 10 && h <= 12);
}

// 元辰: a man of a yang year or a woman of a yin year counts forward.
int yuan_chen_key() {
    return (chart.yearPillar + chart.sexFlag) % 2 == 0 ? yang_male_yin_female_key(chart.yearBranch)
                                                       : yin_male_yang_female_key(chart.yearBranch);
}

// 勾绞: the branches three before and three after the year branch.
bool gou_jiao(int positionValue) {
    const int a = wrap(chart.yearBranch + 3, 12);
    const int b = wrap(chart.yearBranch + 9, 12);
    auto amongLaterBranches = [](int branch) {
        return wrap(chart.monthBranch, 12) == branch || wrap(chart.dayBranch, 12) == branch ||
               wrap(chart.hourBranch, 12) == branch;
    };
    const int at = wrap(positionValue, 12);
    if (amongLaterBranches(a) && amongLaterBranches(b)) return at == a || at == b;
    return at == b;
}

// 禄马交驰: the year branch's rows name the hour stem that must stand with the branch.
std::string lu_ma_jiao_chi(int yearBranch, int positionValue) {
    std::string cell;
    for (const ShenShaRuleRow& row : shen_sha_rules(222))
        if (row.key == yearBranch && row.stem == chart.hourStem && row.branch == positionValue) cell += found(222);
    return cell;
}

// 学堂, 词馆, 自生 … keyed by the element of the year pillar's sound element.
bool nayin_pillar_is(int starId, int positionValue) {
    const ShenShaRuleRow* row = first_shen_sha_rule(starId, NayinElement(chart.yearPillar));
    return row != nullptr && row->cycle != 0 && wrap(row->cycle, 60) == wrap(positionValue, 60);
}

// 冰消瓦解 of a woman: the month of the year's triad that breaks it.
bool bing_xiao_for_woman() {
    constexpr std::array<int, 4> monthOfYearTriad = {3, 8, 6, 5};  // 亥卯未 寅, 申子辰 未, 巳酉丑 巳, 寅午戌 辰
    return chart.monthBranch == monthOfYearTriad[static_cast<std::size_t>(wrap(chart.yearPillar, 4))];
}

// 地扫星: day and hour stems of one element pair, chosen by the season of the month.
bool di_sao_xing() {
    const int d = chart.dayStem, t = chart.hourStem;
    auto pair = [&](int x, int y) { return (d == x && t == y) || (d == y && t == x); };
    auto wood = [&](int s) { return s == 1 || s == 2; };
    auto earth = [&](int s) { return s == 5 || s == 6; };
    switch (wrap(chart.monthPillar, 12)) {
        case 1: case 2: case 3: return pair(3, 4);
        case 4: case 5: case 6: return (wood(d) && earth(t)) || (earth(d) && wood(t));
        case 7: case 8: case 9: return pair(7, 8);
        default: return pair(9, 10);
    }
}

// 杨公忌日: 正月十三, 二月十一 … 七月初一, 八月廿七 … 腊月十九; never in a leap month.
bool yang_ji_ri() {
    const int m = chart.lunarMonthCode;
    if (m < 1 || m > 12) return false;
    return chart.lunarDay == (m <= 7 ? 15 - 2 * m : 43 - 2 * m);
}

// 福德秀气: a yin day master with 巳, 酉 and 丑 all in the chart, on one of them.
bool fu_de_xiu_qi(int positionValue) {
    if (chart.dayStem % 2 != 0) return false;
    auto present = [](int b) {
        return chart.yearBranch == b || chart.monthBranch == b || chart.dayBranch == b || chart.hourBranch == b;
    };
    const bool allThree = present(6) && present(10) && present(2);
    return allThree && (positionValue == 6 || positionValue == 10 || positionValue == 2);
}

// 进神, 交神, 伏神, 退神: sixteen day pillars, all listed under 414.
std::string jin_shen_family() {
    const char* text = nullptr;
    switch (cycle_ordinal(chart.dayPillar)) {
        case 1: case 31: case 16: case 46: text = "进神  "; break;   // 甲子 甲午 己卯 己酉
        case 13: case 43: case 28: case 58: text = "交神  "; break;  // 丙子 丙午 辛卯 辛酉
        case 15: case 45: case 30: case 60: text = "伏神  "; break;  // 戊寅 戊申 癸巳 癸亥
        case 14: case 44: case 29: case 59: text = "退神  "; break;  // 丁丑 丁未 壬辰 壬戌
        default: return "";
    }
    set_star_found(414);
    return text;
}

// 风云庆会 by the day stem: the third of the lunar month matches the stem's number.
bool feng_yun_by_stem() { return (chart.lunarDay + 2) / 3 == chart.dayStem; }

// 风云庆会 by the day branch: the branch that each third of the lunar month asks for.
bool feng_yun_by_branch() {
    constexpr std::array<int, 10> branchOfThird = {3, 4, 6, 7, 6, 7, 9, 10, 12, 1};  // 寅卯巳午巳午申酉亥子
    const int g = (chart.lunarDay + 2) / 3;
    return g >= 1 && g <= 10 && chart.dayBranch == branchOfThird[static_cast<std::size_t>(g - 1)];
}

// What a rule sees: the star, the source and position codes, the key of the source and the
// value at the position.
struct RuleAt {
    int starId, source, position, keyValue, positionValue;
};
using SpecialRule = std::string (*)(const RuleAt&);

struct SpecialRuleRow {
    int starId;
    SpecialRule rule;
};

std::string by_day_table(const RuleAt& r) {
    return born_by_day() ? evaluate_generic_rule(r.starId, r.keyValue, r.position, r.positionValue) : "";
}
std::string by_night_table(const RuleAt& r) {
    return born_by_night() ? evaluate_generic_rule(r.starId, r.keyValue, r.position, r.positionValue) : "";
}
std::string tian_ma(const RuleAt& r) {
    return found_if(keyed_branch_is(r.starId, life_palace_key(branch_of(chart.lifePalace), chart.yearStem), r.positionValue),
                   r.starId);
}
std::string yuan_chen(const RuleAt& r) { return found_if(keyed_branch_is(r.starId, yuan_chen_key(), r.positionValue), r.starId); }
std::string gou_jiao_rule(const RuleAt& r) { return found_if(gou_jiao(r.positionValue), r.starId); }
std::string lu_ma_jiao_chi_rule(const RuleAt& r) { return lu_ma_jiao_chi(r.keyValue, r.positionValue); }
std::string shifted_palace(const RuleAt& r) {
    return found_if(chart.lifePalaceShift != 0 && keyed_branch_is(r.starId, r.keyValue, r.positionValue), r.starId);
}
std::string bing_xiao_wa_jie(const RuleAt& r) {
    return found_if(chart.sexFlag == 1 ? keyed_branch_is(r.starId, r.keyValue, r.positionValue) : bing_xiao_for_woman(),
                   r.starId);
}
std::string di_sao_xing_rule(const RuleAt& r) { return found_if(di_sao_xing(), r.starId); }
std::string yang_ji_ri_rule(const RuleAt& r) { return found_if(yang_ji_ri(), r.starId); }
std::string nayin_rule(const RuleAt& r) { return found_if(nayin_pillar_is(r.starId, r.positionValue), r.starId); }
std::string day_or_night_noble(const RuleAt& r) {
    const int key = born_by_day() ? day_hour_noble_key(chart.dayStem) : night_hour_noble_key(chart.dayStem);
    return found_if(keyed_branch_is(r.starId, key, r.positionValue), r.starId);
}
std::string fu_de_xiu_qi_rule(const RuleAt& r) { return found_if(fu_de_xiu_qi(r.positionValue), r.starId); }
std::string jin_shen_rule(const RuleAt&) { return jin_shen_family(); }
std::string feng_yun_by_stem_rule(const RuleAt& r) { return found_if(feng_yun_by_stem(), r.starId); }
std::string feng_yun_by_branch_rule(const RuleAt& r) { return found_if(feng_yun_by_branch(), r.starId); }
// Kept out of the table rule, with no rule of their own yet: never found.
std::string no_rule(const RuleAt&) { return ""; }

// Every star whose finding is not the table rule, with its rule; in StarId order.
constexpr std::array<SpecialRuleRow, 33> SpecialRules = {{
    {101, by_day_table},         // 天乙贵人 of the year stem, born 寅 to 申
    {102, by_night_table},       // the same, born by night
    {129, tian_ma},             // 天马: the Life Palace branch with the year stem
    {207, yuan_chen},           // 元辰: keyed by polarity and sex
    {208, gou_jiao_rule},        // 勾绞
    {222, lu_ma_jiao_chi_rule},    // 禄马交驰: the hour stem with the branch
    {228, no_rule},             // 浮沉杀
    {240, nayin_rule}, {241, nayin_rule}, {242, nayin_rule}, {243, nayin_rule}, {244, nayin_rule},
    {245, nayin_rule}, {246, nayin_rule}, {247, nayin_rule}, {248, nayin_rule}, {249, nayin_rule},
    {250, nayin_rule}, {251, nayin_rule}, {252, nayin_rule}, {253, nayin_rule}, {254, nayin_rule},
    {308, shifted_palace},      // only when the Life Palace is shifted
    {322, bing_xiao_wa_jie},      // 冰消瓦解: by the month for a man, by the year's triad for a woman
    {323, di_sao_xing_rule},      // 地扫星
    {338, no_rule},             // 月官杀
    {382, yang_ji_ri_rule},       // 杨公忌日
    {401, day_or_night_noble},    // 天乙贵人 of the day stem
    {402, no_rule},             // 天厨食禄
    {411, fu_de_xiu_qi_rule},      // 福德秀气
    {414, jin_shen_rule},        // 进神, 交神, 伏神, 退神
    {442, feng_yun_by_stem_rule},  // 风云庆会 by the day stem
    {504, feng_yun_by_branch_rule},  // 风云庆会 by the day branch
}};
static_assert(std::ranges::is_sorted(SpecialRules, {}, &SpecialRuleRow::starId));

const SpecialRuleRow* special_rule_of(int starId) {
    const auto it = std::ranges::lower_bound(SpecialRules, starId, {}, &SpecialRuleRow::starId);
    return it != SpecialRules.end() && it->starId == starId ? &*it : nullptr;
}

}  // namespace

bool is_special_rule_star(int starId) { return special_rule_of(starId) != nullptr; }

std::string EvaluateSpecialRule(int starId, int source, int position, int keyValue, int positionValue) {
    const SpecialRuleRow* row = special_rule_of(starId);
    return row ? row->rule({starId, source, position, keyValue, positionValue}) : "";
}

}  // namespace orvane

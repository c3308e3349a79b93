// 神煞特例 — the stars whose finding is not a plain table lookup: the hour splits of the
// 贵人, the Life Palace key of 天马, the polarity key of 元辰, the sound-element stars and
// the rules that look at several chart values at once.
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

std::string foundIf(bool condition, int starId) { return condition ? found(starId) : std::string(); }

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
std::string luMaJiaoChi(int yearBranch, int positionValue) {
    std::string cell;
    for (const ShenShaRuleRow& row : shenShaRules(222))
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
std::string jinShenFamily() {
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

}  // namespace

bool is_special_rule_star(int starId) {
    switch (starId) {
        case 101: case 102: case 129: case 207: case 208: case 222: case 228:
        case 308: case 322: case 323: case 338: case 382:
        case 401: case 402: case 411: case 414: case 442: case 504:
            return true;
        default:
            return starId >= 240 && starId <= 254;
    }
}

std::string EvaluateSpecialRule(int starId, [[maybe_unused]] int source, int position, int keyValue,
                                int positionValue) {
    if (starId >= 240 && starId <= 254) return foundIf(nayin_pillar_is(starId, positionValue), starId);
    switch (starId) {
        case 101: return born_by_day() ? EvaluateGenericRule(starId, keyValue, position, positionValue) : "";
        case 102: return born_by_night() ? EvaluateGenericRule(starId, keyValue, position, positionValue) : "";
        case 129:
            return foundIf(keyed_branch_is(129, life_palace_key(branch_of(chart.lifePalace), chart.yearStem), positionValue),
                           129);
        case 207: return foundIf(keyed_branch_is(207, yuan_chen_key(), positionValue), 207);
        case 208: return foundIf(gou_jiao(positionValue), 208);
        case 222: return luMaJiaoChi(keyValue, positionValue);
        case 308: return foundIf(chart.lifePalaceShift != 0 && keyed_branch_is(308, keyValue, positionValue), 308);
        case 322:
            return foundIf(chart.sexFlag == 1 ? keyed_branch_is(322, keyValue, positionValue) : bing_xiao_for_woman(), 322);
        case 323: return foundIf(di_sao_xing(), 323);
        case 382: return foundIf(yang_ji_ri(), 382);
        case 401: {
            const int key = born_by_day() ? day_hour_noble_key(chart.dayStem) : night_hour_noble_key(chart.dayStem);
            return foundIf(keyed_branch_is(401, key, positionValue), 401);
        }
        case 411: return foundIf(fu_de_xiu_qi(positionValue), 411);
        case 414: return jinShenFamily();
        case 442: return foundIf(feng_yun_by_stem(), 442);
        case 504: return foundIf(feng_yun_by_branch(), 504);
        default: return "";  // 228 浮沉杀, 338 月官杀, 402 天厨食禄 have no rule of their own
    }
}

}  // namespace orvane

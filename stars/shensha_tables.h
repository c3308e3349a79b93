// 神煞表 — the constant tables of the special stars: rule rows (ShenShaRule), the positions each
// star is looked for (ShenShaJian) and the cell names (ShenShaName), with the lookups the rules
// engine needs. The rows themselves live in stars/data/, one file per source group.
#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "engine/cycle.h"

namespace orvane {

// One row of ShenShaRule. The key is the chart value of the star's source group (a stem or a
// branch), or a composite key for 129, 207, 240..254 and 401 (see the key functions below).
// Exactly the value columns a row uses are non-zero.
struct ShenShaRuleRow {
    int starId;  // StarId, 101..509
    int key;
    int cycle;   // CycleIndex [1, 60] (60 = 癸亥, matching a pillar stored as 0); 0 = none
    int stem;    // StemIndex [1, 10]; 0 = none
    int branch;  // BranchIndex [1, 12]; 0 = none
};

// One row of ShenShaJian: the star is looked for at the position with this code.
struct ShenShaJianRow {
    int starId;
    const char* code;  // "y" "yg" "yz" … "t" "tg" "tz", "lz" for a passing branch; others are inert
};

struct ShenShaNameRow {
    int starId;
    const char* name;  // GBK
};

// Composite keys.
// 天马 129: the year stem in the group of the Life Palace branch [1, 12].
constexpr int life_palace_key(int palaceBranch, int yearStem) { return yearStem + 100 * palaceBranch; }
// 元辰 207: yang year and male, or yin year and female / the other two cases.
constexpr int yang_male_yin_female_key(int yearBranch) { return yearBranch + 100; }
constexpr int yin_male_yang_female_key(int yearBranch) { return yearBranch + 200; }
// 天乙贵人 401: born 寅 to 申 (day rows) / otherwise (night rows).
constexpr int day_hour_noble_key(int dayStem) { return dayStem + 100; }
constexpr int night_hour_noble_key(int dayStem) { return dayStem + 200; }

// The rule rows of each source group, ordered by StarId; in group order they make up
// ShenShaRule.
extern const std::array<ShenShaRuleRow, 455> YearStemStarRules;      // 101..131
extern const std::array<ShenShaRuleRow, 564> YearBranchStarRules;    // 201..256
extern const std::array<ShenShaRuleRow, 1021> MonthBranchStarRules;  // 301..383
extern const std::array<ShenShaRuleRow, 475> DayStemStarRules;       // 401..456
extern const std::array<ShenShaRuleRow, 50> DayBranchStarRules;      // 501..509

extern const std::array<ShenShaJianRow, 604> ShenShaJian;  // ordered by StarId
extern const std::array<ShenShaNameRow, 235> ShenShaName;  // ordered by StarId

// The source group of a star: its hundreds digit, 1 year stem … 5 day branch.
constexpr int star_group(int starId) { return starId / 100; }

// Whether n is one of the 235 stars (101..131, 201..256, 301..383, 401..456, 501..509).
constexpr bool is_star_id(int n) {
    constexpr std::array<int, 6> lastOfGroup = {0, 131, 256, 383, 456, 509};
    const int group = star_group(n);
    return group >= 1 && group <= 5 && n % 100 >= 1 && n <= lastOfGroup[group];
}

// The rule rows of one source group [1, 5]; empty for any other number.
inline std::span<const ShenShaRuleRow> shen_sha_rule_group(int group) {
    switch (group) {
        case 1: return YearStemStarRules;
        case 2: return YearBranchStarRules;
        case 3: return MonthBranchStarRules;
        case 4: return DayStemStarRules;
        case 5: return DayBranchStarRules;
        default: return {};
    }
}

// The run of rule rows of one star, in table order; empty when the star has none.
inline std::span<const ShenShaRuleRow> shen_sha_rules(int starId) {
    const auto rows = shen_sha_rule_group(star_group(starId));
    const auto [first, last] = std::ranges::equal_range(rows, starId, {}, &ShenShaRuleRow::starId);
    return {first, last};
}

// The first row of the star whose key is k (the row a keyed special rule reads); null if none.
inline const ShenShaRuleRow* first_shen_sha_rule(int starId, int key) {
    const auto rows = shen_sha_rules(starId);
    const auto it = std::ranges::find(rows, key, &ShenShaRuleRow::key);
    return it == rows.end() ? nullptr : &*it;
}

// The position rows of one star, in table order.
inline std::span<const ShenShaJianRow> shen_sha_positions(int starId) {
    const auto [first, last] =
        std::ranges::equal_range(ShenShaJian, starId, {}, &ShenShaJianRow::starId);
    return {first, last};
}

// Whether ShenShaJian has the row (starId, code).
inline bool shen_sha_has_position(int starId, std::string_view code) {
    return std::ranges::any_of(shen_sha_positions(starId),
                               [code](const ShenShaJianRow& row) { return code == row.code; });
}

// The cell name of a star (GBK); empty for a number that is no star.
inline const char* shen_sha_name(int starId) {
    const auto it = std::ranges::lower_bound(ShenShaName, starId, {}, &ShenShaNameRow::starId);
    return it != ShenShaName.end() && it->starId == starId ? it->name : "";
}

// The notation the data files write their rows in: stems, branches, the sixty pillars and the
// five elements by their characters, and one builder per row form. Only the data files use it.
namespace shensha_notation {

using namespace signs;  // 甲 … 癸, 子 … 亥, 木 … 水
// 六十甲子 as rule values [1, 60]
inline constexpr int 甲子 = 1, 乙丑 = 2, 丙寅 = 3, 丁卯 = 4, 戊辰 = 5, 己巳 = 6, 庚午 = 7, 辛未 = 8,
                     壬申 = 9, 癸酉 = 10, 甲戌 = 11, 乙亥 = 12, 丙子 = 13, 丁丑 = 14, 戊寅 = 15,
                     己卯 = 16, 庚辰 = 17, 辛巳 = 18, 壬午 = 19, 癸未 = 20, 甲申 = 21, 乙酉 = 22,
                     丙戌 = 23, 丁亥 = 24, 戊子 = 25, 己丑 = 26, 庚寅 = 27, 辛卯 = 28, 壬辰 = 29,
                     癸巳 = 30, 甲午 = 31, 乙未 = 32, 丙申 = 33, 丁酉 = 34, 戊戌 = 35, 己亥 = 36,
                     庚子 = 37, 辛丑 = 38, 壬寅 = 39, 癸卯 = 40, 甲辰 = 41, 乙巳 = 42, 丙午 = 43,
                     丁未 = 44, 戊申 = 45, 己酉 = 46, 庚戌 = 47, 辛亥 = 48, 壬子 = 49, 癸丑 = 50,
                     甲寅 = 51, 乙卯 = 52, 丙辰 = 53, 丁巳 = 54, 戊午 = 55, 己未 = 56, 庚申 = 57,
                     辛酉 = 58, 壬戌 = 59, 癸亥 = 60;
constexpr int 宫(int palaceBranch, int yearStem) { return life_palace_key(palaceBranch, yearStem); }
constexpr int 阳男阴女(int yearBranch) { return yang_male_yin_female_key(yearBranch); }
constexpr int 阴男阳女(int yearBranch) { return yin_male_yang_female_key(yearBranch); }
constexpr int 昼(int dayStem) { return day_hour_noble_key(dayStem); }
constexpr int 夜(int dayStem) { return night_hour_noble_key(dayStem); }

constexpr ShenShaRuleRow branch_row(int starId, int key, int branch) { return {starId, key, 0, 0, branch}; }
constexpr ShenShaRuleRow stem_row(int starId, int key, int stem) { return {starId, key, 0, stem, 0}; }
constexpr ShenShaRuleRow pillar_row(int starId, int key, int cycle) { return {starId, key, cycle, 0, 0}; }
constexpr ShenShaRuleRow stem_branch_row(int starId, int key, int stem, int branch) {
    return {starId, key, 0, stem, branch};
}

}  // namespace shensha_notation

}  // namespace orvane

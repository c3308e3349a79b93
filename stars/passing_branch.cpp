// 流年神煞 — the stars a passing year or luck period brings by its branch alone.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "stars/shensha_descriptions.h"
#include "stars/shensha_tables.h"
#include "stars/special_stars.h"

namespace orvane {
namespace {

// The chart value that keys a source group [1, 5].
int key_value_of_group(int group) {
    switch (group) {
        case 1: return chart.yearStem;
        case 2: return chart.yearBranch;
        case 3: return chart.monthBranch;
        case 4: return chart.dayStem;
        case 5: return chart.dayBranch;
        default: return 0;
    }
}

// A star looked for on a passing branch, found once in the tables.
struct PassingStar {
    int group;
    const char* name;  // nullptr without a description
    std::span<const ShenShaRuleRow> rows;
};

const std::vector<PassingStar>& passing_stars() {
    static const std::vector<PassingStar> stars = [] {
        std::vector<PassingStar> list;
        for (const ShenShaJianRow& at : ShenShaJian) {
            if (std::string_view(at.code) != "lz") continue;
            const ShenShaSMRow* sm = find_star_description(at.starId);
            list.push_back({star_group(at.starId), sm ? sm->Name : nullptr, shen_sha_rules(at.starId)});
        }
        return list;
    }();
    return stars;
}

// The texts of all twelve branches for the chart values they depend on; a
// report asks some eighty times for the same chart.
struct BranchTexts {
    std::array<int, 5> keys{};  // the value of each source group
    bool made = false;
    std::array<std::string, 12> text;
};

const BranchTexts& branch_texts() {
    static BranchTexts memo;
    std::array<int, 5> keys{};
    for (int group = 1; group <= 5; ++group) keys[static_cast<size_t>(group - 1)] = key_value_of_group(group);
    if (memo.made && memo.keys == keys) return memo;
    memo.keys = keys;
    memo.made = true;
    for (std::string& t : memo.text) t.clear();
    for (const PassingStar& star : passing_stars()) {
        const int key = star.group >= 1 && star.group <= 5 ? keys[static_cast<size_t>(star.group - 1)] : 0;
        const auto& rows = star.rows;
        std::size_t i = 0;
        while (i < rows.size() && rows[i].key != key) ++i;
        // The first row with the key and the rows right after it that share it.
        for (; i < rows.size() && rows[i].key == key; ++i) {
            if (rows[i].branch == 0) continue;
            std::string& t = memo.text[static_cast<size_t>(wrap(rows[i].branch, 12))];
            if (star.name) t += star.name;
            t += " ";
        }
    }
    return memo;
}

}  // namespace

std::string StarsOfPassingBranch(int cycleIndex) {
    return branch_texts().text[static_cast<size_t>(wrap(cycleIndex, 12))];  // 亥 is 0, as a table 12 reads
}

}  // namespace orvane

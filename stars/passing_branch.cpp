// 流年神煞 — the stars a passing year or luck period brings by its branch alone.
#include <string>
#include <string_view>

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

}  // namespace

std::string StarsOfPassingBranch(int cycleIndex) {
    const int passing = wrap(cycleIndex, 12);  // 亥 is 0, as a table 12 reads
    std::string text;
    for (const ShenShaJianRow& at : ShenShaJian) {
        if (std::string_view(at.code) != "lz") continue;
        const auto rows = shenShaRules(at.starId);
        const int key = key_value_of_group(star_group(at.starId));
        std::size_t i = 0;
        while (i < rows.size() && rows[i].key != key) ++i;
        // The first row with the key and the rows right after it that share it.
        for (; i < rows.size() && rows[i].key == key; ++i) {
            if (rows[i].branch == 0 || wrap(rows[i].branch, 12) != passing) continue;
            if (const ShenShaSMRow* sm = find_star_description(at.starId)) text += sm->Name;
            text += " ";
        }
    }
    return text;
}

}  // namespace orvane

#include "stars/special_stars.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "platform/decimal.h"
#include "platform/message.h"
#include "stars/shensha_descriptions.h"
#include "stars/shensha_tables.h"

namespace orvane {

std::array<bool, kStarFoundCount> StarFound{};

void set_star_found(int starId) {
    if (starId >= 0 && starId < kStarFoundCount) StarFound[static_cast<std::size_t>(starId)] = true;
}

namespace {

struct Source {
    int keyValue;
    int firstStar, lastStar;
};

std::optional<Source> sourceOf(int source) {
    switch (source) {
        case 12: return Source{chart.yearStem, 101, 131};
        case 13: return Source{chart.yearBranch, 201, 256};
        case 23: return Source{chart.monthBranch, 301, 383};
        case 32: return Source{chart.dayStem, 401, 456};
        case 33: return Source{chart.dayBranch, 501, 509};
        default: return std::nullopt;
    }
}

struct Position {
    std::string_view code;  // as ShenShaJian writes it
    int value;
};

std::optional<Position> position_of(int position) {
    switch (position) {
        case 11: return Position{"y", chart.yearPillar};
        case 12: return Position{"yg", chart.yearStem};
        case 13: return Position{"yz", chart.yearBranch};
        case 21: return Position{"m", chart.monthPillar};
        case 22: return Position{"mg", chart.monthStem};
        case 23: return Position{"mz", chart.monthBranch};
        case 31: return Position{"d", chart.dayPillar};
        case 32: return Position{"dg", chart.dayStem};
        case 33: return Position{"dz", chart.dayBranch};
        case 41: return Position{"t", chart.hourPillar};
        case 42: return Position{"tg", chart.hourStem};
        case 43: return Position{"tz", chart.hourBranch};
        default: return std::nullopt;
    }
}

// Whether a ShenShaJian code is this position's code (the codes are one or two letters).
bool code_is(const char* code, std::string_view wanted) {
    std::size_t i = 0;
    for (; i < wanted.size(); ++i)
        if (code[i] != wanted[i]) return false;
    return code[i] == '\0';
}

// The list line of one star: ★NNN, then its list name and paragraph when it has them.
std::string list_line(int starId) {
    std::string line = "★";
    platform::append_decimal(line, starId, 3);
    if (const ShenShaSMRow* row = find_star_description(starId)) {
        line += row->Name;
        line += "：";
        line += row->SM;
    }
    return line + "<br>";
}

// One line per star found in StarId order; an empty line between source groups.
std::string found_stars_list() {
    std::string list;
    int group = 1;
    for (int n = 101; n < kStarFoundCount; ++n) {
        if (!StarFound[static_cast<std::size_t>(n)]) continue;
        if (star_group(n) > group) {
            list += "<br>";
            group = star_group(n);
        }
        list += list_line(n);
    }
    return list;
}

struct StarAtPosition {
    int starId;
    bool special;  // judged by its own rule, not by its rows alone
    std::span<const ShenShaRuleRow> rules;
};

// The stars of a source group looked for at a position, in StarId order: those
// with a position row of the position's code. Gathered once per pair: the
// tables never change.
const std::vector<StarAtPosition>& stars_looked_for(int source, int position) {
    static const auto lists = [] {
        std::array<std::array<std::vector<StarAtPosition>, StarPositions.size()>, StarSources.size()> all;
        for (std::size_t s = 0; s < StarSources.size(); ++s)
            for (std::size_t p = 0; p < StarPositions.size(); ++p) {
                const Source from = *sourceOf(StarSources[s]);  // only its star range is used
                const std::string_view code = position_of(StarPositions[p])->code;
                const auto first = std::ranges::lower_bound(ShenShaJian, from.firstStar, {}, &ShenShaJianRow::starId);
                const auto last = std::ranges::upper_bound(ShenShaJian, from.lastStar, {}, &ShenShaJianRow::starId);
                int previous = 0;
                for (auto row = first; row != last; ++row) {
                    const int n = row->starId;
                    if (n == previous || !code_is(row->code, code)) continue;
                    previous = n;
                    all[s][p].push_back({n, is_special_rule_star(n), shen_sha_rules(n)});
                }
            }
        return all;
    }();
    const auto s = std::ranges::find(StarSources, source) - StarSources.begin();
    const auto p = std::ranges::find(StarPositions, position) - StarPositions.begin();
    return lists[static_cast<std::size_t>(s)][static_cast<std::size_t>(p)];
}

// The cell of a star judged by its rows alone: its name for every row of the
// key that names the value at the position.
std::string generic_rule_cell(std::span<const ShenShaRuleRow> rules, int starId, int keyValue, int position,
                              int positionValue) {
    std::string cell;
    for (const ShenShaRuleRow& row : rules) {
        if (row.key != keyValue) continue;
        bool matches = false;
        switch (position % 10) {
            case 1: matches = row.cycle != 0 && wrap(row.cycle, 60) == wrap(positionValue, 60); break;
            case 2: matches = row.stem != 0 && row.stem == positionValue; break;
            case 3: matches = row.branch != 0 && row.branch == positionValue; break;
            default: platform::show_message("神煞错Jian toobig"); break;
        }
        if (!matches) continue;
        set_star_found(starId);
        cell += shen_sha_name(starId);
        cell += "  ";
    }
    return cell;
}

}  // namespace

std::string evaluate_generic_rule(int starId, int keyValue, int position, int positionValue) {
    return generic_rule_cell(shen_sha_rules(starId), starId, keyValue, position, positionValue);
}

std::string EvaluateStarGroup(int source, int position) {
    const std::optional<Source> from = sourceOf(source);
    if (!from) {
        platform::show_message("神煞错Main");
        return "";
    }
    const std::optional<Position> at = position_of(position);
    if (!at) {
        platform::show_message("神煞错Jian");
        return "";
    }
    std::string cell;
    for (const StarAtPosition& star : stars_looked_for(source, position)) {
        cell += star.special ? EvaluateSpecialRule(star.starId, source, position, from->keyValue, at->value)
                             : generic_rule_cell(star.rules, star.starId, from->keyValue, position, at->value);
    }
    return cell;
}

StarCells evaluate_star_cells() {
    StarFound.fill(false);
    StarCells found;
    for (std::size_t p = 0; p < StarPositions.size(); ++p)
        for (std::size_t s = 0; s < StarSources.size(); ++s)
            found.cells[5 * p + s] = EvaluateStarGroup(StarSources[s], StarPositions[p]);
    found.list = found_stars_list();
    return found;
}

}  // namespace orvane

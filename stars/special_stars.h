// 四柱神煞 — which special stars the chart carries at its twelve positions, as 60 cells (five
// source groups at each position) and one described list; and which stars a passing
// year's or luck period's branch brings.
#pragma once

#include <array>
#include <string>

namespace orvane {

// SourceCode: the chart value that keys a group of stars (year stem, year branch, month branch,
// day stem, day branch), in cell order.
inline constexpr std::array<int, 5> StarSources = {12, 13, 23, 32, 33};
// PositionCode: tens digit the pillar (1 year … 4 hour), units digit the kind (1 whole pillar,
// 2 stem, 3 branch), in cell order.
inline constexpr std::array<int, 12> StarPositions = {11, 12, 13, 21, 22, 23, 31, 32, 33, 41, 42, 43};

// Flags by StarId [0, 549]: set when the star is found at any position of the current chart.
inline constexpr int kStarFoundCount = 550;
extern std::array<bool, kStarFoundCount> StarFound;
// Sets the flag of a star; numbers outside the flags are ignored.
void set_star_found(int starId);

// The stars of the chart: a cell for each position and source, and the described list.
struct StarCells {
    // Position index p [0, 11] major, source index s [0, 4] minor: cells[5 * p + s].
    std::array<std::string, 60> cells;
    // One line per star found, in StarId order, an empty line between source groups.
    std::string list;
};

// Clears the flags and evaluates every position against every source.
StarCells evaluate_star_cells();

// The cell of one source at one position: the cell names of the stars found there, each
// followed by two spaces, in StarId order. Unknown codes show a message and give "".
std::string EvaluateStarGroup(int source, int position);

// The table rule: every rule row of the star whose key is keyValue and whose value of the
// position's kind equals positionValue (pillars compared modulo 60) adds the star's cell name.
std::string evaluate_generic_rule(int starId, int keyValue, int position, int positionValue);

// Whether a star has a rule of its own instead of the table rule.
bool is_special_rule_star(int starId);

// The rule of one special-rule star at one position; sets StarFound itself. "" for any other star.
std::string EvaluateSpecialRule(int starId, int source, int position, int keyValue, int positionValue);

// The list names of the stars that a passing pillar's branch carries (the stars looked for on a
// passing branch only), each followed by one space. Only cycleIndex mod 12 is used.
std::string StarsOfPassingBranch(int cycleIndex);

}  // namespace orvane

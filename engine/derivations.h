// 十神、藏干、长生、空亡 — the classical values derived from the pillars, as
// pure functions over cycle numbers and stems.
#pragma once

#include <array>
#include <string>

#include "engine/cycle.h"

namespace orvane {

// 十神 code [0, 9] of stem t against day stem s (both [1, 10]).
constexpr int ten_god_of_stems(int dayStem, int otherStem) {
    const int d = wrap(element_of_stem(dayStem) - element_of_stem(otherStem), 5);
    const bool samePolarity = (dayStem + otherStem) % 2 == 0;
    // d: 0 same element, 1 it generates the day, 2 it controls the day,
    // 3 the day controls it, 4 the day generates it.
    return 2 * d + (samePolarity ? 0 : 1);
}

// TenGodCode of other's stem against dayPillar's stem (only n mod 10 is used);
// other = -1 gives 10 (none).
constexpr int tenGod(int dayPillar, int other) {
    if (other == -1) return 10;
    return ten_god_of_stems(wrap1(dayPillar, 10), wrap1(other, 10));
}

// 长生十二宫 code [0, 11] of a branch (n mod 12, 0 = 亥) for a day stem (n mod 10, 0 = 癸).
int life_stage_of_branch(int dayPillarOrStem, int branchOrPillar);

// life_stage_of_branch against the chart's day pillar.
int lifeStageOf(int pillar);

// 空亡 — the first of the two void branches of a pillar's decade (戌亥 … 子丑).
constexpr int voidBranchOf(int pillar) {
    constexpr int firstVoid[6] = {11, 9, 7, 5, 3, 1};
    return firstVoid[(cycle_ordinal(pillar) - 1) / 10];
}

// 藏干 of a branch [1, 12]: main, second, third stem, -1 where absent.
const std::array<int, 3>& hidden_stems_of(int branch);

// How many of the chart's four pillars have the branch b (mod 12, 0 = 亥) / stem s (mod 10, 0 = 癸).
int branchCount(int b);
int stemCount(int s);

// The stem character of a StemIndex; -1 gives two blanks, anything else "".
std::string stemName(int stem);

// 天合地合 and 天克地冲 between two pillars.
int heavenEarthCombine(int p, int q);
int heavenEarthClash(int p, int q);

}  // namespace orvane

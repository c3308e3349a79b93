// 命宫 — the Life Palace: the branch that rose in the east at the birth,
// counted from the month and the hour, with the sunrise branch by latitude.
#pragma once

#include "engine/cycle.h"

namespace orvane {

// The branch at sunrise [2, 5] (丑 … 辰) at a latitude on a Gregorian month and day.
int sunrise_branch_at(float latitude, int month, int day);

// The palace pillar from the sunrise branch, the month pillar (already shifted),
// the hour branch and the year pillar.
constexpr int life_palace_of(int sunriseBranch, int monthPillar, int hourBranch, int yearPillar) {
    return month_pillar_of(wrap1(sunriseBranch - monthPillar % 12 - hourBranch + 26, 12), yearPillar);
}

// Fills sunriseBranch, lifePalaceShift, lifePalace and its hidden stems.
void compute_life_palace();

}  // namespace orvane

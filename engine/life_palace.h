// 命宫 — the Life Palace: the branch that rose in the east at the birth,
// counted from the month and the hour, with the sunrise branch by latitude.
#pragma once

namespace orvane {

// The branch at sunrise [2, 5] (丑 … 辰) at a latitude on a Gregorian month and day.
int sunriseBranchAt(float latitude, int month, int day);

// The palace pillar from the sunrise branch, the month pillar (already shifted),
// the hour branch and the year pillar.
constexpr int lifePalaceOf(int sunriseBranch, int monthPillar, int hourBranch, int yearPillar) {
    int n = ((sunriseBranch - monthPillar % 12 - hourBranch + 26) % 12 + 12) % 12;
    if (n == 0) n = 12;
    int y = yearPillar % 60 == 0 ? 60 : yearPillar % 60;
    return (n + 12 * y - 10) % 60;
}

// Fills sunriseBranch, lifePalaceShift, lifePalace and its hidden stems.
void compute_life_palace();

}  // namespace orvane

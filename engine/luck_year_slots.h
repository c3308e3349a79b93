// 流年半年码 — two codes per year of life naming the luck pillar that rules
// each half of the year and the year's own pillar.
#pragma once

namespace orvane {

// luckYearSlots[160]: -1 before the first period; else year pillar + 100 * luck
// pillar (both 1..60), plus 10000 in the branch half (last five years) of a period.
void build_luck_year_slots();

}  // namespace orvane

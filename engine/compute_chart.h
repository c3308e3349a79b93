// 排盘 — the engine's single entry point: from the birth data stored in the
// chart record to every pillar, derived value and luck value.
#pragma once

namespace orvane {

void compute_chart();

// yearStem … hourBranch from the four pillars.
void split_pillars();

}  // namespace orvane

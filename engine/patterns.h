// 格局 — the branch-pair counters and the pattern flags of the chart.
#pragma once

namespace orvane {

// punishmentCount, clashCount, harmonyCount of the chart's four pillars.
void compute_pair_counters();

// threeWonders and pairedPillars.
void compute_wonder_flags();

// The remaining flags, which read the counters and the ten gods.
void compute_pattern_flags();

// 三奇: 1 for 甲戊庚, 2 for 壬癸辛, 3 for 乙丙丁 standing in order as
// year-month-day or month-day-hour; else 0.
int three_wonders_of(int yearStem, int monthStem, int dayStem, int hourStem);

}  // namespace orvane

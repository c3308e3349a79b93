// 十神定位 — the remarks on each ten god in each place of the chart.
#pragma once

#include <array>

namespace orvane {

// [code][position]: code 0 比肩 … 9 伤官; position 0 年干, 1 年支, 2 月干,
// 3 月支, 4 日干 (the day master, empty), 5 日支, 6 时干, 7 时支. Each a run of
// remarks numbered ①, ② …; GBK.
extern const std::array<std::array<const char*, 8>, 10> TenGodPositionVerses;

}  // namespace orvane

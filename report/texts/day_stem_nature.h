// 日主性情 — the nature of people born on each day stem, with what suits and
// what harms them.
#pragma once

#include <array>

namespace orvane {

// [0] names the table; [1, 10] by day stem 甲 … 癸. GBK.
extern const std::array<const char*, 11> DayStemNature;

}  // namespace orvane

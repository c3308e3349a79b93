// 日主强弱与用神 — the seasonal weight of the five elements, the strength of
// the day master, the useful elements, and the warmth of the chart (调候).
#pragma once

#include <array>

namespace orvane {

// Elements [0, 4]: 木 火 土 金 水. Branches taken modulo 12 (0 = 亥).
extern const std::array<std::array<float, 5>, 12> SeasonFactor;   // by month branch
extern const std::array<std::array<float, 5>, 12> BranchContent;  // by branch
extern const std::array<int, 11> StemWarmth;                     // by stem [1, 10]
extern const std::array<int, 12> BranchWarmth;                   // by branch mod 12

// elementScore, supportScore, opposeScore of the chart record.
void compute_element_strength();

// warmth of the chart record.
void compute_warmth();

// Fields 701-712.
void write_strength_fields();

}  // namespace orvane

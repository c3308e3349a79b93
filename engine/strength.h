// 日主强弱与用神 — the seasonal weight of the five elements, the strength of
// the day master, the useful elements, and the warmth of the chart (调候).
#pragma once

#include <array>
#include <string>
#include <vector>

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

// 用神: the elements [0, 4] that help a day master of this stem; a strong one
// wants what it produces, what it controls and what controls it, a weak one
// its own element and what produces it.
std::vector<int> usefulElements(int dayStem, bool strong);

// 调候: the stems and branches whose warmth brings a chart of this warmth to
// balance (stems 癸 甲 … 壬, then branches 亥 子 … 戌), as names; 癸、子 for a
// hot chart and 丙、巳 for a cold one when none balances exactly.
std::vector<std::string> balancing_signs(float warmth);

}  // namespace orvane

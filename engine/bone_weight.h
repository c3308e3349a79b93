// 称骨 — the bone weight of a birth, in 钱 (tenths of a 两).
#pragma once

#include <array>

namespace orvane {

extern const std::array<int, 60> YearWeight;   // by year pillar [0, 59], 0 = 癸亥
extern const std::array<int, 12> MonthWeight;  // by lunar month mod 12, 0 = month 12
extern const std::array<int, 31> DayWeight;    // by lunar day [1, 30]
extern const std::array<int, 13> HourWeight;   // by hour branch [1, 12]

// The weights of the four parts of the chart's birth.
struct BoneWeightParts {
    int year, month, day, hour;
    constexpr int total() const { return year + month + day + hour; }
};
BoneWeightParts bone_weight_parts(int yearPillar, int lunarMonthCode, int lunarDay, int hourBranch);

// Fills boneWeight of the chart record.
void compute_bone_weight();

}  // namespace orvane

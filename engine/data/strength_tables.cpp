// 五行旺衰 tables: seasonal factors, the elements hidden in each branch, and warmth.
#include "engine/strength.h"

namespace orvane {

// Rows by month branch 亥 子 丑 寅 卯 辰 巳 午 未 申 酉 戌; columns 木 火 土 金 水.
const std::array<std::array<float, 5>, 12> SeasonFactor = {{
    {1.2f, 1.06f, 1.0f, 1.0f, 1.14f},    // 亥
    {1.2f, 1.0f, 1.0f, 1.0f, 1.2f},      // 子
    {1.06f, 1.0f, 1.1f, 1.14f, 1.1f},    // 丑
    {1.14f, 1.2f, 1.06f, 1.0f, 1.0f},    // 寅
    {1.2f, 1.2f, 1.0f, 1.0f, 1.0f},      // 卯
    {1.1f, 1.06f, 1.1f, 1.1f, 1.04f},    // 辰
    {1.0f, 1.14f, 1.14f, 1.06f, 1.06f},  // 巳
    {1.0f, 1.2f, 1.2f, 1.0f, 1.0f},      // 午
    {1.04f, 1.1f, 1.16f, 1.1f, 1.0f},    // 未
    {1.06f, 1.0f, 1.0f, 1.14f, 1.2f},    // 申
    {1.0f, 1.0f, 1.0f, 1.2f, 1.2f},      // 酉
    {1.0f, 1.04f, 1.14f, 1.16f, 1.06f},  // 戌
}};

const std::array<std::array<float, 5>, 12> BranchContent = {{
    {0.3f, 0.0f, 0.0f, 0.0f, 0.7f},  // 亥
    {0.0f, 0.0f, 0.0f, 0.0f, 1.0f},  // 子
    {0.0f, 0.0f, 0.5f, 0.2f, 0.3f},  // 丑
    {0.7f, 0.3f, 0.0f, 0.0f, 0.0f},  // 寅
    {1.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // 卯
    {0.3f, 0.0f, 0.5f, 0.0f, 0.2f},  // 辰
    {0.0f, 0.7f, 0.0f, 0.3f, 0.0f},  // 巳
    {0.0f, 1.0f, 0.0f, 0.0f, 0.0f},  // 午
    {0.2f, 0.3f, 0.5f, 0.0f, 0.0f},  // 未
    {0.0f, 0.0f, 0.0f, 0.7f, 0.3f},  // 申
    {0.0f, 0.0f, 0.0f, 1.0f, 0.0f},  // 酉
    {0.0f, 0.2f, 0.5f, 0.3f, 0.0f},  // 戌
}};

// 甲 3, 乙 1, 丙 7, 丁 5, 戊 1, 己 -1, 庚 -1, 辛 -3, 壬 -5, 癸 -7.
const std::array<int, 11> StemWarmth = {0, 3, 1, 7, 5, 1, -1, -1, -3, -5, -7};

// By branch mod 12: 亥 -5, 子 -7, 丑 -6, 寅 3, 卯 1, 辰 2, 巳 7, 午 5, 未 6, 申 -1, 酉 -3, 戌 -2.
const std::array<int, 12> BranchWarmth = {-5, -7, -6, 3, 1, 2, 7, 5, 6, -1, -3, -2};

}  // namespace orvane

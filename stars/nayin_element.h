// 纳音五行 — the element of a pillar's sound element (甲子乙丑 海中金 is metal).
#pragma once

#include <array>

#include "engine/cycle.h"

namespace orvane {

// Element [1, 5] (1 wood … 5 water) of each NayinCode [0, 29], in the order of NayinNames:
// 大海水 海中金 炉中火 大林木 路旁土 剑锋金 山头火 涧下水 城头土 白腊金, 杨柳木 泉中水 屋上土 霹雳火 松柏木
// 长流水 沙中金 山下火 平地木 壁上土, 金箔金 复灯火 天河水 太驿土 钗钏金 桑柘木 大溪水 沙中土 天上火 石榴木.
inline constexpr std::array<int, 30> NayinElementTable = {5, 4, 2, 1, 3, 4, 2, 5, 3, 4,  //
                                                          1, 5, 3, 2, 1, 5, 4, 2, 1, 3,  //
                                                          4, 2, 5, 3, 4, 1, 5, 3, 2, 1};

// Element [1, 5] of the sound element of any cycle number (taken modulo 60, so any integer is safe).
constexpr int NayinElement(int cycleIndex) { return NayinElementTable[static_cast<std::size_t>(nayin_code(cycleIndex))]; }

}  // namespace orvane

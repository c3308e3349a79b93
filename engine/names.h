// 名称表 — the fixed GBK names of the cyclical signs.
#pragma once

#include <array>
#include <string>

namespace orvane {

extern const std::array<const char*, 11> StemNames;     // [1, 10]; [0] empty
extern const std::array<const char*, 13> BranchNames;   // [1, 12]; [0] empty
extern const std::array<const char*, 60> CycleNames;    // by stored value: [0] 癸亥, [1] 甲子
extern const std::array<const char*, 11> TenGodNames;   // by TenGodCode; [10] four blanks
extern const std::array<const char*, 10> TenGodSpacedNames;
extern const std::array<const char*, 12> LifeStageNames;
extern const std::array<const char*, 30> NayinNames;
extern const std::array<const char*, 24> SolarTermNames;  // by SolarTermNo: [0] 大寒, [1] 立春
extern const std::array<const char*, 6> ElementNames;     // [1, 5] 木 火 土 金 水; [0] empty

// Name of a pillar given as any integer (taken modulo 60).
const std::string& cycle_name(int cycleIndex);
// Branch name of a branch number taken modulo 12 (0 and 12 are 亥).
std::string branch_name(int branch);

}  // namespace orvane

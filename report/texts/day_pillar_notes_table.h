// 六十甲子日柱 — remarks on each of the sixty day pillars.
#pragma once

#include <array>

namespace orvane {

// [0] names the table; [1, 60] by day pillar 甲子 … 癸亥. Each a run of remarks
// numbered ①, ②, …; GBK.
extern const std::array<const char*, 61> DayPillarNotes;

}  // namespace orvane

// 小儿关煞 — the traditional "passes" a child's chart may carry, found from the
// split pillars and written as advice lines into field 5701.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// The parts of the chart the dangers are read from.
struct SplitPillars {
    int monthBranch = 0;  // BranchIndex [1, 12]
    int hourBranch = 0;
    int yearStem = 0;  // StemIndex [1, 10]
    int yearBranch = 0;
    int dayStem = 0;
    int dayBranch = 0;
    int dayPillar = 0;  // CycleIndex [0, 59]
};

// One danger: its slot and its test; no test (nullptr) for a danger whose table is not known,
// which is then never found.
struct ChildhoodDangerRule {
    int slot;
    bool (*carries)(const SplitPillars&);
};

inline constexpr int ChildhoodDangerCount = 43;

// The dangers in ascending slot order.
extern const std::array<ChildhoodDangerRule, ChildhoodDangerCount> ChildhoodDangerRules;

using ChildhoodDangerSlots = std::array<std::uint8_t, 80>;

// 1 in the slot of every danger the pillars carry, 0 elsewhere.
ChildhoodDangerSlots childhood_danger_slots(const SplitPillars& pillars);

// The texts of the set slots in slot order, or the no-danger text.
std::string childhood_danger_text(const ChildhoodDangerSlots& slots);

// Clears chart.ChildhoodDangerFlags and sets the slots of the dangers found.
void compute_childhood_dangers();

// Runs compute_childhood_dangers() and assigns field 5701.
void write_childhood_danger_fields();

}  // namespace orvane

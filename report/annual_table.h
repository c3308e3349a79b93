// 流年属性 — one row for each of the first 80 years of life: the year and its pillar, the age,
// its ten god, the small luck, the running luck period, what the year does to the chart and
// the stars its branch brings.
#pragma once

#include <optional>
#include <string>

namespace orvane {

// 天合地合: stems 5 apart (甲己 乙庚 丙辛 丁壬 戊癸) and branches a six-harmony pair.
bool is_heaven_earth_combined(int x, int y);

// 天克地冲: branches 6 apart and stems 甲庚, 乙辛, 丙壬 or 丁癸 (戊 and 己 never take part).
bool is_stem_controlled_branch_clashed(int x, int y);

// The fixed annual events of a year under the outgoing and incoming luck pillars (the outgoing
// one is absent before the luck starts), each phrase followed by two spaces.
std::string annual_events(std::optional<int> outgoing, int incoming, int year);

// The cycle number of the year of nominal age [1, 80] (1 = the year of birth).
int annual_cycle_of_age(int age);

// Fields 901 … 1698: row i of ten fields from 901 + 10 (i - 1), the last two left empty.
void write_annual_table_fields();

}  // namespace orvane

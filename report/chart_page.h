// 命盘 — the chart page of the report: the person, the entered and corrected
// times, the solar terms around the birth, the lunar birth date, and one block
// of fifteen fields for each pillar, the Life Palace and the fetal origin.
#pragma once

#include <array>

namespace orvane {

// 星座 by (monthPillar + shift) mod 12.
extern const std::array<const char*, 12> ZodiacSignTable;

// Empties fields 0 … 4999 and writes 1, 101 … 204, 301 … 390 and 4901 … 4904.
void write_chart_page_fields();

// Assigns the chart code to report field 1.
void publish_chart_code();

// Three fields from `at` for a hidden stem: its character, element and ten god
// against the day master; full-width blanks ("　", "　", "　　") when missing.
void write_hidden_stem_fields(int at, int stem);

// The fifteen fields of pillar n from field `base` on.
void write_pillar_block(int base, int pillar, const std::array<int, 3>& hiddenStems, int lifeStage, int voidBranch,
                        bool isDayPillar);

}  // namespace orvane

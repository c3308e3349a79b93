// 流年运气 — each year of adult life (ages 18 … 70) judged by the ten god of
// the luck part ruling it and the ten god of the year's own stem.
#pragma once

#include <string_view>

namespace orvane {

// Row [1, 100] of the year-judgement table whose keys are the two ten-god
// names (GBK); 0 when either is not a ten-god name.
int lookup_year_judgement(std::string_view firstGod, std::string_view secondGod);
// The same by TenGodCode [0, 9]; 0 for any other code.
int lookup_year_judgement(int firstGodCode, int secondGodCode);

// The area note of a row: row mod 10, 0 read as 10.
int year_judgement_note_of(int row);

// The ruling stem of a half-year code: the luck pillar's stem, or the main
// hidden stem of its branch in the branch half (code > 10000).
int ruling_stem_of_year_slot(int slotCode);

// Fields 5001 … 5530.
void write_luck_of_years_fields();

}  // namespace orvane

// 流月运气 — the twelve solar months around today, from three months before
// the current month, each judged by its year pillar and month pillar.
#pragma once

#include <array>

namespace orvane {

// The usual Gregorian start (month·100 + day) of the solar month that begins
// in each calendar month [1, 12]; [0] unused.
inline constexpr std::array<int, 13> MonthStartTable = {0,   106, 204, 306,  405,  506, 606,
                                                        707, 808, 908, 1008, 1107, 1207};

// Field 4700 (a chart younger than 18 years) or fields 4701 … 4819.
void write_luck_of_months_fields();

}  // namespace orvane

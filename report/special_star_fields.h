// 四柱神煞 fields — the star cells of the chart page and the list of the stars found.
#pragma once

namespace orvane {

// The field of the cell of position index p [0, 11] and source index s [0, 4], and the list's.
constexpr int starCellField(int positionIndex, int sourceIndex) { return 801 + 5 * positionIndex + sourceIndex; }
inline constexpr int kStarListField = 861;

// Fills the 60 cells (fields 801 … 860, replaced) and appends the list of the stars found to
// field 861.
void EvaluateSpecialStars();

}  // namespace orvane

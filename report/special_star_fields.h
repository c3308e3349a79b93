// 四柱神煞 fields — the star cells of the chart page and the list of the stars found.
#pragma once

#include "report/field_map.h"

namespace orvane {

// The field of the cell of position index p [0, 11] and source index s [0, 4], and the list's.
constexpr int star_cell_field(int positionIndex, int sourceIndex) {
    return field_block("starCells")[5 * positionIndex + sourceIndex];
}
inline constexpr int kStarListField = field_block("starList")[0];

// Fills the 60 cells (fields 801 … 860, replaced) and appends the list of the stars found to
// field 861.
void EvaluateSpecialStars();

}  // namespace orvane

#include "report/special_star_fields.h"

#include "report/report_fields.h"
#include "stars/special_stars.h"

namespace orvane {

void EvaluateSpecialStars() {
    StarCells found = evaluate_star_cells();
    for (int p = 0; p < 12; ++p)
        for (int s = 0; s < 5; ++s)
            ReportFieldTable[static_cast<std::size_t>(star_cell_field(p, s))] = std::move(found.cells[static_cast<std::size_t>(5 * p + s)]);
    ReportFieldTable[kStarListField] += found.list;
}

}  // namespace orvane

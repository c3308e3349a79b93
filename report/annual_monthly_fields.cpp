#include "report/annual_monthly_fields.h"

#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/field_map.h"
#include "report/report_fields.h"

namespace orvane {

constexpr FieldBlock kAnnualMonthlyFields = field_block("annualMonthly");

void write_annual_monthly_fields() {
    const int first = first_month_pillar_of(chart.yearPillar);
    for (int k = 0; k < 80; ++k) {
        const std::size_t row = static_cast<std::size_t>(kAnnualMonthlyFields.at(k, 0));
        ReportFieldTable[row] = std::to_string(chart.lunarYear + k);
        ReportFieldTable[row + 1] = cycle_name(chart.yearPillar + k);
        // Month pillars run on from year to year.
        for (int j = 0; j < 12; ++j) ReportFieldTable[row + 2 + static_cast<std::size_t>(j)] = cycle_name(first + 12 * k + j);
    }
}

}  // namespace orvane

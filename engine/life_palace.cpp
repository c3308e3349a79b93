#include "engine/life_palace.h"

#include "engine/chart_state.h"
#include "engine/derivations.h"
#include "engine/options.h"
#include "engine/sunrise_table.h"

namespace orvane {

int sunrise_branch_at(float latitude, int month, int day) {
    if (month < 1 || month > 12) return 4;
    const SunriseRule& rule = SunriseTable[static_cast<size_t>(sunrise_band(latitude))][static_cast<size_t>(month - 1)];
    return rule.applies(day) ? rule.then : rule.otherwise;
}

void compute_life_palace() {
    chart.sunriseBranch = options.optTrueSolarTime
                              ? sunrise_branch_at(chart.birthLatitude, chart.solarMonth, chart.solarDay)
                              : 4;  // 卯 without a place
    const int ly = cycle_ordinal(chart.lunarYearCycle);
    const int yp = cycle_ordinal(chart.yearPillar);
    chart.lifePalaceShift = (ly < yp || chart.monthPillar == chart.qiMonthPillar) ? 0 : 1;
    chart.lifePalace =
        life_palace_of(chart.sunriseBranch, chart.monthPillar + chart.lifePalaceShift, chart.hourBranchNo, chart.yearPillar);
    chart.lifePalaceHiddenStems = hidden_stems_of(chart.lifePalace % 12);
}

}  // namespace orvane

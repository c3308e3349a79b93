#include "engine/luck_year_slots.h"

#include <algorithm>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/luck.h"

namespace orvane {

void build_luck_year_slots() {
    const bool forward = luck_runs_forward(chart.sexFlag, chart.yearPillar);
    const int a = first_luck_age() - 1;  // the year index of the first period's age
    auto& slots = chart.luckYearSlots;
    for (int s = 0; s <= 2 * a && s < 160; ++s) slots[static_cast<size_t>(s)] = -1;
    for (int s = std::max(0, 2 * a + 1); s < 160; ++s) {
        const int d = s - 2 * a - 1;
        const int step = d / 20 + 1;
        const int luck = cycle_ordinal(chart.monthPillar + (forward ? step : -step));
        const int year = cycle_ordinal(chart.lunarYearCycle + s / 2);
        slots[static_cast<size_t>(s)] = year + 100 * luck + (d % 20 >= 10 ? 10000 : 0);
    }
}

}  // namespace orvane

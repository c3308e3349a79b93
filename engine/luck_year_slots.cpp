#include "engine/luck_year_slots.h"

#include <algorithm>
#include <array>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/luck.h"

namespace orvane {

void build_luck_year_slots() {
    const bool forward = luck_runs_forward(chart.sexFlag, chart.yearPillar);
    const int a = first_luck_age() - 1;  // the year index of the first period's age
    // Read into locals and written once: a store into the record could alias them.
    const int monthPillar = chart.monthPillar, yearCycle = chart.lunarYearCycle;
    std::array<int, 160> slots;
    const int first = std::clamp(2 * a + 1, 0, 160);  // the first slot of the first period
    std::fill(slots.begin(), slots.begin() + first, -1);
    // Twenty slots a period, two a year; the second ten of a period are marked.
    for (int s = first; s < 160;) {
        const int d = s - 2 * a - 1;
        const int step = d / 20 + 1;
        const int luck = 100 * cycle_ordinal(monthPillar + (forward ? step : -step));
        for (const int periodEnd = std::min(160, s + 20 - d % 20); s < periodEnd; ++s) {
            const int year = cycle_ordinal(yearCycle + s / 2);
            slots[static_cast<size_t>(s)] = year + luck + ((s - 2 * a - 1) % 20 >= 10 ? 10000 : 0);
        }
    }
    chart.luckYearSlots = slots;
}

}  // namespace orvane

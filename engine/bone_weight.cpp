#include "engine/bone_weight.h"

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/lunar_calendar.h"

namespace orvane {

BoneWeightParts bone_weight_parts(int yearPillar, int lunarMonthCode, int lunarDay, int hourBranch) {
    // A leap month weighs as its base month.
    return {YearWeight[static_cast<size_t>(wrap(yearPillar, 60))],
            MonthWeight[static_cast<size_t>(wrap(base_month(lunarMonthCode), 12))],
            lunarDay >= 1 && lunarDay <= 30 ? DayWeight[static_cast<size_t>(lunarDay)] : 0,
            HourWeight[static_cast<size_t>(wrap1(hourBranch, 12))]};
}

void compute_bone_weight() {
    chart.boneWeight =
        bone_weight_parts(chart.yearPillar, chart.lunarMonthCode, chart.lunarDay, chart.hourBranchNo).total();
}

}  // namespace orvane

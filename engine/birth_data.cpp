#include "engine/birth_data.h"

#include "engine/chart_state.h"
#include "engine/lunar_calendar.h"
#include "engine/true_solar_time.h"

namespace orvane {

bool complete_birth_data() {
    chart.nominalAge = chart.currentLunarYear - chart.lunarYear + 1;
    if (chart.solarInput == 1) {
        if (!solarToLunar()) return false;
        chart.leapMonth = is_leap_code(chart.lunarMonthCode) ? 1 : 0;
    } else {
        // A leap month is stored as month + 20; a record may already carry it.
        if (chart.leapMonth && !is_leap_code(chart.lunarMonthCode)) chart.lunarMonthCode = leap_code_of(chart.lunarMonthCode);
        if (!lunarToSolar()) return false;
    }
    chart.hourBranchNo = hour_branch_of_hour(chart.birthHour);
    return true;
}

}  // namespace orvane

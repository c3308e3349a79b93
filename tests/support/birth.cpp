#include "support/birth.h"

#include "engine/birth_data.h"
#include "engine/chart_state.h"
#include "engine/compute_chart.h"
#include "engine/date_validation.h"
#include "engine/options.h"

namespace testsupport {

using orvane::chart;

void set_options(const char* abcd) {
    orvane::options = {static_cast<std::uint8_t>(abcd[0] == '1'), static_cast<std::uint8_t>(abcd[1] == '1'),
                       static_cast<std::uint8_t>(abcd[2] == '1'), static_cast<std::uint8_t>(abcd[3] == '1')};
}

bool store(const Birth& b, int currentLunarYear) {
    chart = orvane::ChartState{};
    chart.birthHour = b.hour;
    chart.birthMinute = b.minute;
    if (b.lunar) {
        chart.solarInput = 0;
        chart.lunarYear = b.year;
        chart.lunarMonthCode = b.month;
        chart.lunarDay = b.day;
        chart.leapMonth = b.leap ? 1 : 0;
    } else {
        chart.solarInput = 1;
        chart.solarYear = b.year;
        chart.solarMonth = b.month;
        chart.solarDay = b.day;
    }
    chart.currentLunarYear = currentLunarYear;
    if (!orvane::validate_birth_date()) return false;
    if (!orvane::complete_birth_data()) return false;
    chart.sexFlag = b.male ? 1 : 0;
    chart.birthProvince = b.province;
    chart.birthCity = b.city;
    return true;
}

bool cast(const Birth& birth, int currentLunarYear) {
    if (!store(birth, currentLunarYear)) return false;
    orvane::compute_chart();
    return true;
}

}  // namespace testsupport

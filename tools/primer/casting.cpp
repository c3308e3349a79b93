#include "tools/primer/casting.h"

#include <cstdio>

#include "engine/birth_data.h"
#include "engine/chart_state.h"
#include "engine/compute_chart.h"
#include "engine/options.h"
#include "engine/pillars.h"

namespace primer {

BirthInput birth_from_args(const Args& args, size_t dateIndex) {
    if (args.size() < dateIndex + 2) throw FragmentError("needs a date YYYY-MM-DD and a time HH:MM");
    BirthInput birth;
    char tail = 0;
    if (std::sscanf(args[dateIndex].c_str(), "%d-%d-%d%c", &birth.year, &birth.month, &birth.day, &tail) != 3)
        throw FragmentError("not a date: " + args[dateIndex]);
    if (std::sscanf(args[dateIndex + 1].c_str(), "%d:%d%c", &birth.hour, &birth.minute, &tail) != 2)
        throw FragmentError("not a time: " + args[dateIndex + 1]);
    return birth;
}

void cast_birth(const BirthInput& birth, bool full) {
    using orvane::chart;
    if (birth.options.size() != 4) throw FragmentError("options need four switches");
    orvane::options = {static_cast<std::uint8_t>(birth.options[0] == '1'),
                       static_cast<std::uint8_t>(birth.options[1] == '1'),
                       static_cast<std::uint8_t>(birth.options[2] == '1'), 0};
    chart = orvane::ChartState{};
    chart.solarInput = 1;
    chart.solarYear = birth.year;
    chart.solarMonth = birth.month;
    chart.solarDay = birth.day;
    chart.birthHour = birth.hour;
    chart.birthMinute = birth.minute;
    chart.currentLunarYear = 2026;
    if (birth.hour < 0 || birth.hour > 23 || birth.minute < 0 || birth.minute > 59 || !orvane::complete_birth_data())
        throw FragmentError("the engine refuses the birth");
    chart.sexFlag = birth.male ? 1 : 0;
    chart.birthProvince = birth.province;
    chart.birthCity = birth.city;
    if (full)
        orvane::compute_chart();
    else
        orvane::compute_pillars();
}

}  // namespace primer

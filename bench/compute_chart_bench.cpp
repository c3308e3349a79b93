// 排盘 — compute_chart() over the fixed sample of births in births.txt, each
// stored first as the birth data dialog stores a solar date (options 0000:
// the day changes at 23:00, clock time, no history), so that one iteration is
// one whole chart from a solar date and a clock time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/birth_data.h"
#include "engine/chart_state.h"
#include "engine/compute_chart.h"
#include "engine/lunar_calendar.h"
#include "engine/options.h"

namespace {

struct Birth {
    int year, month, day, hour, minute;
    bool male;
};

// births.txt lies beside this source; the build keeps the path absolute.
std::vector<Birth> load_births() {
    const auto file = std::filesystem::path(__FILE__).parent_path() / "births.txt";
    std::ifstream in(file);
    std::vector<Birth> births;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        Birth b{};
        char sex[8] = {};
        if (std::sscanf(line.c_str(), "%d-%d-%d %d:%d %7s", &b.year, &b.month, &b.day, &b.hour, &b.minute, sex) != 6)
            continue;
        b.male = std::string(sex) == "male";
        births.push_back(b);
    }
    return births;
}

const std::vector<Birth>& births() {
    static const std::vector<Birth> sample = load_births();
    return sample;
}

// What the birth dialog stores for a solar date with the options 0000.
void store_birth(const Birth& b, int currentLunarYear) {
    using orvane::chart;
    orvane::options = {0, 0, 0, 0};
    static_cast<orvane::BirthData&>(chart) = orvane::BirthData{};
    chart.solarInput = 1;
    chart.solarYear = b.year;
    chart.solarMonth = b.month;
    chart.solarDay = b.day;
    chart.birthHour = b.hour;
    chart.birthMinute = b.minute;
    chart.currentLunarYear = currentLunarYear;
    orvane::complete_birth_data();
    chart.sexFlag = b.male ? 1 : 0;
}

bool have_births(benchmark::State& state) {
    if (!births().empty()) return true;
    state.SkipWithError("no births: bench/births.txt missing or empty");
    return false;
}

// One chart per iteration: store the birth, then cast it.
void BM_StoreAndComputeChart(benchmark::State& state) {
    if (!have_births(state)) return;
    const int currentLunarYear = orvane::currentLunarYear();
    size_t i = 0;
    for (auto _ : state) {
        store_birth(births()[i], currentLunarYear);
        orvane::compute_chart();
        benchmark::DoNotOptimize(orvane::chart.hourPillar);
        benchmark::DoNotOptimize(orvane::chart.luckStartYear);
        if (++i == births().size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StoreAndComputeChart);

// The storing alone, to show what part of a chart it takes.
void BM_StoreBirth(benchmark::State& state) {
    if (!have_births(state)) return;
    const int currentLunarYear = orvane::currentLunarYear();
    size_t i = 0;
    for (auto _ : state) {
        store_birth(births()[i], currentLunarYear);
        benchmark::DoNotOptimize(orvane::chart.lunarDay);
        if (++i == births().size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StoreBirth);

}  // namespace

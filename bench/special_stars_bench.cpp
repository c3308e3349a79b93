// 四柱神煞 — EvaluateSpecialStars per chart, over 240 charts cast once before timing.
// Read it against the two baselines of the same run: BM_LoadChart (copying a cast chart into
// the chart record, which the measured loop does too) and BM_ComputeChart (casting the chart
// itself, the engine's whole work for one chart).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/birth_data.h"
#include "engine/chart_state.h"
#include "engine/compute_chart.h"
#include "engine/options.h"
#include "platform/message.h"
#include "report/report_fields.h"
#include "report/special_star_fields.h"
#include "stars/special_stars.h"

namespace {

constexpr int kChartCount = 240;

// A spread of births: every month and hour, years 1930-2019, both sexes.
void store_birth(int i) {
    using orvane::chart;
    chart = orvane::ChartState{};
    chart.solarInput = 1;
    chart.solarYear = 1930 + (i * 7) % 90;
    chart.solarMonth = 1 + i % 12;
    chart.solarDay = 1 + (i * 11) % 28;
    chart.birthHour = (i * 5) % 24;
    chart.birthMinute = (i * 13) % 60;
    chart.currentLunarYear = 2026;
    orvane::complete_birth_data();
    chart.sexFlag = i % 2;
}

const std::vector<orvane::ChartState>& cast_charts() {
    static const std::vector<orvane::ChartState> charts = [] {
        platform::set_message_handler([](const std::string&) {});
        orvane::options = {0, 0, 0, 0};
        std::vector<orvane::ChartState> all;
        for (int i = 0; i < kChartCount; ++i) {
            store_birth(i);
            orvane::compute_chart();
            all.push_back(orvane::chart);
        }
        return all;
    }();
    return charts;
}

void BM_LoadChart(benchmark::State& state) {
    const auto& charts = cast_charts();
    std::size_t i = 0;
    for (auto _ : state) {
        orvane::chart = charts[i];
        benchmark::DoNotOptimize(orvane::chart.dayPillar);
        i = (i + 1) % charts.size();
    }
}
BENCHMARK(BM_LoadChart);

void BM_EvaluateSpecialStars(benchmark::State& state) {
    const auto& charts = cast_charts();
    std::size_t i = 0;
    for (auto _ : state) {
        orvane::chart = charts[i];
        orvane::ReportFieldTable[orvane::kStarListField].clear();  // the chart page empties it
        orvane::EvaluateSpecialStars();
        benchmark::DoNotOptimize(orvane::ReportFieldTable[orvane::kStarListField].data());
        i = (i + 1) % charts.size();
    }
}
BENCHMARK(BM_EvaluateSpecialStars)->Unit(benchmark::kMicrosecond);

void BM_ComputeChart(benchmark::State& state) {
    cast_charts();
    int i = 0;
    for (auto _ : state) {
        store_birth(i);
        orvane::compute_chart();
        benchmark::DoNotOptimize(orvane::chart.hourPillar);
        i = (i + 1) % kChartCount;
    }
}
BENCHMARK(BM_ComputeChart)->Unit(benchmark::kMicrosecond);

}  // namespace

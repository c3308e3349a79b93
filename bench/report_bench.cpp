// The whole headless chart command per chart: compute, every producer, template
// expansion and writing right.htm, against the shipped style 02.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/build_chart.h"
#include "engine/birth_data.h"
#include "engine/chart_state.h"
#include "engine/options.h"
#include "platform/message.h"
#include "platform/program_dir.h"
#include "report/style_folder.h"

namespace {

void store_birth(int year, int month, int day, int hour, int minute) {
    using orvane::chart;
    chart = orvane::ChartState{};
    chart.solarInput = 1;
    chart.solarYear = year;
    chart.solarMonth = month;
    chart.solarDay = day;
    chart.birthHour = hour;
    chart.birthMinute = minute;
    chart.currentLunarYear = 2026;
    orvane::complete_birth_data();
    chart.sexFlag = 1;
    chart.birthProvince = "广东";
    chart.birthCity = "广州";
}

void BM_HeadlessChartCommand(benchmark::State& state) {
    // A copy of the shipped styles of the build's program folder.
    const std::string programDir = platform::program_dir();
    const std::filesystem::path work = std::filesystem::temp_directory_path() / "orvane-bench";
    std::filesystem::create_directories(work);
    std::filesystem::copy(programDir + "/style", work / "style",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    platform::set_program_dir(work.string());
    platform::set_message_handler([](const std::string&) {});
    orvane::options = {1, 1, 1, 0};
    orvane::current_style_folder() = orvane::style_folder_of("02");
    int i = 0;
    for (auto _ : state) {
        store_birth(1950 + i % 60, 1 + i % 12, 1 + i % 28, i % 24, (7 * i) % 60);
        if (orvane::build_chart() != orvane::BuildResult::written) state.SkipWithError("the page was not written");
        ++i;
    }
    platform::set_program_dir(programDir);
    std::filesystem::remove_all(work);
}
BENCHMARK(BM_HeadlessChartCommand)->Unit(benchmark::kMicrosecond);

}  // namespace

// Re-casting every listed line of arbitrary log.dat bytes: a line is either
// refused with a message or stores a birth inside the tables that casts, and
// whose own birth line reads back to the same birth data, and whose pillars
// come out in range.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/history.h"
#include "app/history_record.h"
#include "engine/chart_state.h"
#include "engine/pillars.h"
#include "platform/message.h"
#include "platform/program_dir.h"

namespace {

bool answer = false;
int messages = 0;

void set_up() {
    const auto dir = std::filesystem::temp_directory_path() / "orvane-history-recast-fuzz";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "option.dat", std::ios::binary) << "10\r\n1\r\n0\r\n";  // history off
    platform::set_program_dir(dir.string());
    platform::set_message_handler([](const std::string&) { ++messages; });
    platform::set_question_handler([](const std::string&) { return answer; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool once = (set_up(), true);
    (void)once;
    if (size == 0) return 0;
    answer = data[0] & 1;
    const std::string content(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto lines = orvane::history_texts(content);
    for (std::size_t i = 0; i < lines.size() && i < 4; ++i) {
        const int shown = messages;
        const bool recast = orvane::recast_history_line(lines[i]);
        if (!recast) {
            if (messages == shown) std::abort();  // refused without a word
            continue;
        }
        using orvane::chart;
        if (chart.lunarYear < 1900 || chart.lunarYear > 2020 || chart.lunarDay < 1 || chart.lunarDay > 30 ||
            chart.birthHour < 0 || chart.birthHour > 23 || chart.birthMinute < 0 || chart.birthMinute > 59 ||
            (chart.leapMonth == 1) != (chart.lunarMonthCode > 20) || chart.personName.size() > 19)
            std::abort();
        const auto again = orvane::parse_history_line(orvane::history_birth_line(chart));
        if (!again || again->solarInput != chart.solarInput || again->birthHour != chart.birthHour ||
            again->birthMinute != chart.birthMinute || again->sexFlag != chart.sexFlag ||
            again->year != (chart.solarInput ? chart.solarYear : chart.lunarYear) ||
            again->month != (chart.solarInput ? chart.solarMonth : chart.lunarMonthCode) ||
            again->day != (chart.solarInput ? chart.solarDay : chart.lunarDay))
            std::abort();
        orvane::clear_derived_fields(chart);
        orvane::compute_pillars();
        if (chart.dayPillar < 0 || chart.dayPillar > 59 || chart.hourPillar < 0 || chart.hourPillar > 59) std::abort();
    }
    return 0;
}

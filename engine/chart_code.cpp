#include "engine/chart_code.h"

#include <cctype>
#include <cstdio>

#include "engine/chart_state.h"
#include "platform/files.h"
#include "platform/program_dir.h"

namespace orvane {

namespace {

std::string read_identifier() {
    platform::ReadResult file = platform::read_file(platform::program_path("install.id"), 1024);
    std::string id;
    if (file.status == platform::ReadStatus::ok) {
        for (char c : file.bytes) {
            if (id.size() == 7 || !std::isalnum(static_cast<unsigned char>(c))) break;
            id += c;
        }
    }
    return id.empty() ? "0000000" : id;
}

}  // namespace

std::string installation_identifier() {
    // Read once per program folder: it does not change while the program runs.
    static std::string folder;
    static std::string identifier;
    if (identifier.empty() || folder != platform::program_dir()) {
        folder = platform::program_dir();
        identifier = read_identifier();
    }
    return identifier;
}

std::string make_chart_code() {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%s%d%02d%02d%02d%02d%d%02d%02d%02d%02d", installation_identifier().c_str(),
                  chart.solarYear, chart.solarMonth, chart.solarDay, chart.birthHour, chart.birthMinute,
                  chart.sexFlag ? 1 : 0, chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar);
    return buffer;
}

}  // namespace orvane

#include "engine/chart_code.h"

#include <cctype>

#include "engine/chart_state.h"
#include "platform/decimal.h"
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
    std::string code = installation_identifier();
    code.reserve(code.size() + 24);
    platform::append_decimal(code, chart.solarYear);
    for (int n : {chart.solarMonth, chart.solarDay, chart.birthHour, chart.birthMinute}) platform::append_decimal(code, n, 2, '0');
    platform::append_decimal(code, chart.sexFlag ? 1 : 0);
    for (int n : {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar}) platform::append_decimal(code, n, 2, '0');
    return code;
}

}  // namespace orvane

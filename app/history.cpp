#include "app/history.h"

#include <cstdio>
#include <fstream>

#include "app/history_record.h"
#include "app/options_file.h"
#include "engine/birth_data.h"
#include "engine/birth_place.h"
#include "engine/chart_state.h"
#include "engine/date_validation.h"
#include "engine/lunar_calendar.h"
#include "engine/options.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/program_dir.h"

namespace orvane {
namespace {

std::string log_path() { return platform::program_path("log.dat"); }

// Creates log.dat empty when it is missing; an existing file is not touched.
bool ensure_log_exists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return false;
    return std::fclose(file) == 0;
}

// At most limit bytes from the start of the file; truncated tells that more follow.
struct Prefix {
    bool ok = false;
    bool truncated = false;
    std::string bytes;
};

Prefix read_prefix(const std::string& path, std::size_t limit) {
    Prefix prefix;
    std::ifstream in(path, std::ios::binary);
    if (!in) return prefix;
    prefix.bytes.resize(limit);
    in.read(prefix.bytes.data(), static_cast<std::streamsize>(limit));
    prefix.bytes.resize(static_cast<std::size_t>(in.gcount()));
    prefix.truncated = prefix.bytes.size() == limit && in.peek() != std::ifstream::traits_type::eof();
    prefix.ok = true;
    return prefix;
}

bool fail(const char* message) {
    platform::show_message(message);
    return false;
}

// Fills the birth data of the chart record from a parsed record (steps 2 to 5
// of the re-cast).
void store_record(const HistoryBirth& record) {
    chart.personName = record.personName;
    chart.solarInput = record.solarInput;
    if (record.solarInput == 1) {
        chart.solarYear = record.year;
        chart.solarMonth = record.month;
        chart.solarDay = record.day;
        chart.leapMonth = 0;
    } else {
        chart.lunarYear = record.year;
        chart.lunarMonthCode = record.month;
        chart.lunarDay = record.day;
        chart.leapMonth = is_leap_code(record.month) ? 1 : 0;
    }
    chart.birthHour = record.birthHour;
    chart.birthMinute = record.birthMinute;
    chart.sexFlag = record.sexFlag;
    chart.birthProvince = record.birthProvince;
    chart.birthCity = record.birthCity;
    chart.birthZone = record.birthZone;
    chart.enteredLongitude = record.longitude;
    chart.enteredLatitude = record.latitude;
}

// Completes BirthData after the date check, as the birth data dialog does.

}  // namespace

void append_history() {
    const std::string path = log_path();
    std::string content;
    if (auto size = platform::file_size(path)) {
        if (*size >= kHistoryAppendLimit) {
            platform::show_message(kHistoryAppendTooLong);
            return;
        }
        platform::ReadResult file = platform::read_file(path, kHistoryAppendLimit - 1);
        if (file.status == platform::ReadStatus::too_long) {
            platform::show_message(kHistoryAppendTooLong);
            return;
        }
        if (file.status != platform::ReadStatus::ok) {
            platform::show_message(kHistoryCannotOpen);
            return;
        }
        content = std::move(file.bytes);
    }
    std::string bytes;
    // A file cut inside a record gets its line end back, so that the new header
    // starts a line of its own and is listed.
    if (!content.empty() && content.back() != '\n') bytes = "\r\n";
    bytes += history_record(next_history_number(content), chart, platform::now_local());
    if (!platform::append_file(path, bytes)) platform::show_message(kHistoryCannotOpen);
}

void HistoryDialogState::open() {
    lines.clear();
    selection = -1;
    read_options();
    const std::string path = log_path();
    if (!ensure_log_exists(path)) {
        platform::show_message(kHistoryCannotOpen);
        return;
    }
    Prefix file = read_prefix(path, kHistoryListLimit);
    if (!file.ok) {
        platform::show_message(kHistoryCannotOpen);
        return;
    }
    if (file.truncated) platform::show_message(kHistoryListTooLong);
    lines = history_texts(file.bytes, file.truncated);
}

bool recast_history_line(const std::string& line) {
    const auto record = parse_history_line(line);
    if (!record) return fail(kHistoryBadRecord);

    read_options();
    const bool byCoordinates = !record->birthZone.empty();
    options.optTrueSolarTime = byCoordinates || (!record->birthProvince.empty() && !record->birthCity.empty()) ? 1 : 0;
    if (byCoordinates) {
        if (auto problem = enteredPlaceProblem(record->longitude, record->latitude, record->birthZone)) {
            platform::show_message(*problem);
            return false;
        }
    }

    const BirthData before = chart;
    store_record(*record);
    chart.currentLunarYear = currentLunarYear();
    if (!validate_birth_date()) {
        static_cast<BirthData&>(chart) = before;
        return false;
    }
    if (!complete_birth_data()) {
        static_cast<BirthData&>(chart) = before;
        return fail(kHistoryBadRecord);
    }
    return true;
}

bool HistoryDialogState::recast() {
    if (selection < 0 || static_cast<std::size_t>(selection) >= lines.size()) return fail(kHistoryNoSelection);
    return recast_history_line(lines[static_cast<std::size_t>(selection)]);
}

bool HistoryDialogState::remove() {
    if (selection < 0 || static_cast<std::size_t>(selection) >= lines.size()) return fail(kHistoryNoSelection);
    if (!platform::ask_yes_no(kHistoryConfirmDelete)) return false;

    const std::string path = log_path();
    platform::ReadResult file = platform::read_file(path, kHistoryDeleteLimit - 1);
    if (file.status == platform::ReadStatus::cannot_open) return fail(kHistoryCannotOpen);
    if (file.status == platform::ReadStatus::too_long) return fail(kHistoryDeleteTooLong);

    const auto index = static_cast<std::size_t>(selection);
    // A file that lists fewer lines than the dialog (changed meanwhile) keeps its bytes.
    if (auto kept = remove_history_record(file.bytes, index))
        if (!platform::write_file_atomic(path, *kept)) return fail(kHistoryCannotOpen);
    lines.erase(lines.begin() + selection);
    selection = -1;
    return true;
}

}  // namespace orvane

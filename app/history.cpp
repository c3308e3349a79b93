#include "app/history.h"

#include <string_view>

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

// Creates log.dat empty when it is missing; an existing file is not touched,
// and anything but a regular file is refused without blocking.
bool ensure_log_exists(const std::string& path) { return platform::append_file(path, ""); }

// What goes before a new record so that its header starts a line of its own
// in a file cut inside a record.
std::string_view line_end_after(std::string_view content) {
    if (content.empty() || content.back() == '\n') return "";
    return content.back() == '\r' ? "\n" : "\r\n";
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

}  // namespace

void append_history() {
    const std::string path = log_path();
    // The number is counted and the record written while no other process
    // can append or delete.
    platform::FileLock lock(path);
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
    std::string bytes(line_end_after(content));
    bytes += history_record(next_history_number(content), chart, platform::now_local());
    // A folder or FIFO in the file's place cannot be opened; a regular file that
    // takes no more bytes (a full disk) was cut back to how it was.
    if (!platform::append_file(path, bytes))
        platform::show_message(platform::file_size(path) ? kHistoryAppendFailed : kHistoryCannotOpen);
}

void HistoryDialogState::open() {
    read_options();
    list();
}

void HistoryDialogState::list() {
    lines.clear();
    keys.clear();
    selection = -1;
    const std::string path = log_path();
    platform::FileLock lock(path);  // no append or deletion half done while reading
    if (!ensure_log_exists(path)) {
        platform::show_message(kHistoryCannotOpen);
        return;
    }
    platform::PrefixResult file = platform::read_file_prefix(path, kHistoryListLimit);
    if (!file.ok) {
        platform::show_message(kHistoryCannotOpen);
        return;
    }
    if (file.truncated) platform::show_message(kHistoryListTooLong);
    lines = history_texts(file.bytes, file.truncated);
    const std::vector<std::string_view> records = history_record_bytes(file.bytes, file.truncated);
    for (std::size_t i = 0; i < records.size(); ++i) {
        HistoryRecordKey key{std::string(records[i]), 0, file.truncated && i + 1 == records.size()};
        for (std::size_t j = 0; j < i; ++j) key.occurrence += keys[j].bytes == key.bytes ? 1 : 0;
        keys.push_back(std::move(key));
    }
}

bool recast_history_line(const std::string& line) {
    const auto record = parse_history_line(line);
    if (!record) return fail(kHistoryBadRecord);

    read_options();
    const bool byCoordinates = !record->birthZone.empty();
    options.optTrueSolarTime = byCoordinates || (!record->birthProvince.empty() && !record->birthCity.empty()) ? 1 : 0;
    if (byCoordinates) {
        if (auto problem = entered_place_problem(record->longitude, record->latitude, record->birthZone)) {
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
    const auto index = static_cast<std::size_t>(selection);

    const std::string path = log_path();
    // Read, cut and replaced while no other process appends or deletes: an
    // append made meanwhile is in what is read and stays.
    platform::FileLock lock(path);
    platform::ReadResult file = platform::read_file(path, kHistoryDeleteLimit - 1);
    if (file.status == platform::ReadStatus::cannot_open) return fail(kHistoryCannotOpen);
    if (file.status == platform::ReadStatus::too_long) return fail(kHistoryDeleteTooLong);

    if (index >= keys.size()) return fail(kHistoryRecordGone);  // a line never listed from the file
    const auto kept = remove_history_record(file.bytes, keys[index]);
    if (!kept) return fail(kHistoryRecordGone);
    if (!platform::write_file_atomic(path, *kept)) return fail(kHistoryCannotOpen);

    // Records with the same bytes listed after it are now one occurrence earlier.
    for (std::size_t j = index + 1; j < keys.size(); ++j)
        if (keys[j].bytes == keys[index].bytes) --keys[j].occurrence;
    lines.erase(lines.begin() + selection);
    keys.erase(keys.begin() + selection);
    selection = -1;
    return true;
}

}  // namespace orvane

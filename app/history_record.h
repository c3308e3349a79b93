// 历史记录格式 — the bytes of log.dat: four-line records "[NNN]", the birth line,
// the time of casting and an empty line, all GBK with CR LF. Pure functions over
// the file's content; app/history.h reads and writes the file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart_state.h"
#include "platform/clock.h"

namespace orvane {

inline constexpr std::size_t kHistoryNameBytes = kPersonNameBytes;

// A text field made safe for the birth line: ',' '[' ']' become the full-width
// "，" "［" "］", control bytes and broken GBK sequences are dropped, and a
// double-byte character whose trail byte is '[' or ']' (possible in GBK's
// extension rows) becomes "？", so that the byte scans of the file never see
// a bracket inside a record. Cut to at most maxBytes on a character boundary.
std::string clean_history_field(std::string_view gbk, std::size_t maxBytes = std::string_view::npos);

// Line 2 without its CR LF: "name,公历1985-03-04 12:30,男,广东,广州". The date is
// the calendar of entry (a lunar leap month as month + 20), the time as entered.
// A place given by coordinates leaves province and city empty and adds its zone,
// longitude and latitude: "name,公历1990-07-01 13:30,男,,,America/New_York,-74.0000,40.7000".
std::string history_birth_line(const BirthData& birth);

// The whole record: "[%03d]\r\n", the birth line, the time of casting, an empty line.
std::string history_record(int number, const BirthData& birth, const platform::LocalTime& castAt);

// One more than the '[' bytes of the content.
int next_history_number(std::string_view content);

// A listed line: line 2 of a record, found after a ']'.
struct HistoryLine {
    std::size_t recordBegin;  // start of the header line that holds the ']'
    std::size_t begin;        // first byte of the listed text
    std::size_t end;          // one past its last byte (the CR, LF or end of content)
};

// Finds every ']', skips it and the line end after it and lists the bytes up to
// the next CR (or LF, or the end of the content), then searches on after that
// line. A header followed by another header line ("[003]" cut short, then the
// next record) lists nothing: the search goes on at that header, and the record
// that follows begins at the cut one.
// A line cut by the end of the content is listed unless completeOnly.
std::vector<HistoryLine> scan_history(std::string_view content, bool completeOnly = false);

// The listed texts, oldest first.
std::vector<std::string> history_texts(std::string_view content, bool completeOnly = false);

// The content without the record of listed line n: from the start of its header
// line to the start of the next record's header line (or the end). Nothing
// when the content lists fewer lines.
std::optional<std::string> remove_history_record(std::string_view content, std::size_t n);

// The bytes of the record of every listed line, cut as remove_history_record cuts.
std::vector<std::string_view> history_record_bytes(std::string_view content, bool completeOnly = false);

// Which record a deletion means, by what the list showed: its bytes, and how
// many records with the same bytes came before it. A record listed last from
// a file cut at the list's limit may continue past what was read: cut then
// matches the records that begin with its bytes.
struct HistoryRecordKey {
    std::string bytes;
    std::size_t occurrence = 0;
    bool cut = false;
};

// The content without the record that the key names, wherever it now stands;
// nothing when no record of the content matches (deleted meanwhile).
std::optional<std::string> remove_history_record(std::string_view content, const HistoryRecordKey& key);

// The fields of a birth line read by their byte positions from the first comma c:
// the calendar word at c+1, year c+5, month c+10, day c+13, hour c+16, minute c+19,
// then sex, province and city separated by commas from c+22 on, and for a place
// given by coordinates its zone, longitude and latitude. Each number is
// the sum of (byte - '0') times its decimal weight, digits or not; the date check
// that follows refuses what is not a date. Nothing for a line without a comma or
// too short to hold the minute.
struct HistoryBirth {
    std::string personName;  // at most 19 bytes
    int solarInput = 0;
    int year = 0, month = 0, day = 0;  // lunar month with + 20 for a leap month
    int birthHour = 0, birthMinute = 0;
    int sexFlag = 0;
    std::string birthProvince, birthCity;
    std::string birthZone;  // empty in records of a table place or none
    float longitude = 0.0f, latitude = 0.0f;
};
std::optional<HistoryBirth> parse_history_line(std::string_view line);

}  // namespace orvane

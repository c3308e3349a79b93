#include "app/history_record.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/encoding.h"

namespace orvane {
namespace {

// What a byte or character of a field is written as.
std::string_view clean_character(std::string_view ch) {
    if (ch.size() == 2) {
        const auto trail = static_cast<unsigned char>(ch[1]);
        return trail == '[' || trail == ']' ? std::string_view("？") : ch;
    }
    const auto b = static_cast<unsigned char>(ch[0]);
    if (b == ',') return "，";
    if (b == '[') return "［";
    if (b == ']') return "］";
    if (b < 0x20 || b >= 0x7F) return {};  // control bytes and stray high bytes
    return ch;
}

bool is_line_end(char c) { return c == '\r' || c == '\n'; }

// Whether a record header line "[NNN]" starts at i: '[', digits, ']', then a
// line end or the end of the content.
bool is_header_line(std::string_view content, std::size_t i) {
    if (i >= content.size() || content[i] != '[') return false;
    std::size_t j = i + 1;
    while (j < content.size() && content[j] >= '0' && content[j] <= '9') ++j;
    if (j == i + 1 || j >= content.size() || content[j] != ']') return false;
    return j + 1 == content.size() || is_line_end(content[j + 1]);
}

// The record boundaries of every listed line: where each record begins.
std::vector<std::size_t> record_starts(std::string_view content) {
    std::vector<std::size_t> starts;
    for (const HistoryLine& line : scan_history(content)) starts.push_back(line.recordBegin);
    return starts;
}

int number(std::string_view line, std::size_t at, int digits) {
    int value = 0;
    for (int i = 0; i < digits; ++i) value = value * 10 + (static_cast<unsigned char>(line[at + static_cast<std::size_t>(i)]) - '0');
    return value;
}

// A coordinate of a record; NaN when it is not a number, so that the place check refuses it.
float decimal(std::string_view text) {
    const std::string s(text);
    char* end = nullptr;
    const float value = std::strtof(s.c_str(), &end);
    return s.empty() || *end != '\0' ? std::numeric_limits<float>::quiet_NaN() : value;
}

}  // namespace

std::string clean_history_field(std::string_view gbk, std::size_t maxBytes) {
    std::string out;
    for (std::size_t i = 0; i < gbk.size();) {
        const std::size_t n = platform::gbk_char_length(gbk, i);
        const std::string_view written = clean_character(gbk.substr(i, n));
        if (out.size() + written.size() > maxBytes) break;
        out += written;
        i += n;
    }
    return out;
}

std::string history_birth_line(const BirthData& birth) {
    const bool solar = birth.solarInput == 1;
    char date[96];
    std::snprintf(date, sizeof date, "%4d-%02d-%02d %02d:%02d,", solar ? birth.solarYear : birth.lunarYear,
                  solar ? birth.solarMonth : birth.lunarMonthCode, solar ? birth.solarDay : birth.lunarDay,
                  birth.birthHour, birth.birthMinute);
    std::string line = clean_history_field(birth.personName, kHistoryNameBytes);
    line += ',';
    line += solar ? "公历" : "农历";
    line += date;
    line += birth.sexFlag == 1 ? "男," : "女,";
    line += clean_history_field(birth.birthProvince);
    line += ',';
    line += clean_history_field(birth.birthCity);
    if (!birth.birthZone.empty()) {
        char coordinates[64];
        std::snprintf(coordinates, sizeof coordinates, ",%.4f,%.4f", static_cast<double>(birth.enteredLongitude),
                      static_cast<double>(birth.enteredLatitude));
        line += ',' + clean_history_field(birth.birthZone) + coordinates;
    }
    return line;
}

std::string history_record(int number, const BirthData& birth, const platform::LocalTime& castAt) {
    char header[32];
    std::snprintf(header, sizeof header, "[%03d]\r\n", number);
    char cast[96];
    std::snprintf(cast, sizeof cast, "%4d-%02d-%02d %02d:%02d:%02d\r\n\r\n", castAt.year, castAt.month, castAt.day,
                  castAt.hour, castAt.minute, castAt.second);
    return header + history_birth_line(birth) + "\r\n" + cast;
}

int next_history_number(std::string_view content) {
    return static_cast<int>(std::count(content.begin(), content.end(), '[')) + 1;
}

std::vector<HistoryLine> scan_history(std::string_view content, bool completeOnly) {
    std::vector<HistoryLine> lines;
    std::size_t from = 0;
    std::size_t cutHeader = std::string_view::npos;  // where headers cut short began
    while (from < content.size()) {
        const std::size_t close = content.find(']', from);
        if (close == std::string_view::npos) break;
        // The header line begins after the previous line end, but never before
        // the end of the line listed last.
        std::size_t recordBegin = close;
        while (recordBegin > from && !is_line_end(content[recordBegin - 1])) --recordBegin;
        std::size_t begin = close + 1;
        if (begin < content.size() && content[begin] == '\r') ++begin;
        if (begin < content.size() && content[begin] == '\n') ++begin;
        if (is_header_line(content, begin)) {
            // The header was cut short: its bytes go with the record that follows.
            if (cutHeader == std::string_view::npos) cutHeader = recordBegin;
            from = begin;
            continue;
        }
        if (cutHeader != std::string_view::npos) recordBegin = cutHeader;
        cutHeader = std::string_view::npos;
        std::size_t end = begin;
        while (end < content.size() && !is_line_end(content[end])) ++end;
        if (end == content.size() && completeOnly) break;
        lines.push_back({recordBegin, begin, end});
        from = end;
    }
    return lines;
}

std::vector<std::string> history_texts(std::string_view content, bool completeOnly) {
    std::vector<std::string> texts;
    for (const HistoryLine& line : scan_history(content, completeOnly))
        texts.emplace_back(content.substr(line.begin, line.end - line.begin));
    return texts;
}

std::optional<std::string> remove_history_record(std::string_view content, std::size_t n) {
    const std::vector<std::size_t> starts = record_starts(content);
    if (n >= starts.size()) return std::nullopt;
    const std::size_t end = n + 1 < starts.size() ? starts[n + 1] : content.size();
    std::string kept(content.substr(0, starts[n]));
    kept += content.substr(end);
    return kept;
}

std::vector<std::string_view> history_record_bytes(std::string_view content, bool completeOnly) {
    const std::vector<HistoryLine> lines = scan_history(content, completeOnly);
    const std::vector<std::size_t> starts = record_starts(content);
    std::vector<std::string_view> records;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : content.size();
        records.push_back(content.substr(lines[i].recordBegin, end - lines[i].recordBegin));
    }
    return records;
}

std::optional<std::string> remove_history_record(std::string_view content, const HistoryRecordKey& key) {
    const std::vector<std::string_view> records = history_record_bytes(content);
    std::size_t seen = 0;
    for (std::size_t n = 0; n < records.size(); ++n) {
        const std::string_view record = records[n];
        const bool same = key.cut ? record.substr(0, key.bytes.size()) == key.bytes : record == key.bytes;
        if (same && seen++ == key.occurrence) return remove_history_record(content, n);
    }
    return std::nullopt;
}

std::optional<HistoryBirth> parse_history_line(std::string_view line) {
    const std::size_t c = line.find(',');
    if (c == std::string_view::npos || line.size() < c + 21) return std::nullopt;
    HistoryBirth birth;
    birth.personName = std::string(platform::gbk_prefix(line.substr(0, c), kHistoryNameBytes));
    birth.solarInput = line.substr(c + 1, 4) == "公历" ? 1 : 0;
    birth.year = number(line, c + 5, 4);
    birth.month = number(line, c + 10, 2);
    birth.day = number(line, c + 13, 2);
    birth.birthHour = number(line, c + 16, 2);
    birth.birthMinute = number(line, c + 19, 2);

    std::string_view rest = line.size() > c + 22 ? line.substr(c + 22) : std::string_view{};
    auto field = [&rest](bool last) {
        const std::size_t comma = last ? std::string_view::npos : rest.find(',');
        std::string_view value = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
        return value;
    };
    birth.sexFlag = field(false) == "男" ? 1 : 0;
    birth.birthProvince = std::string(field(false));
    // Records of old have the city run to the end of the line; the fields of a
    // place given by coordinates follow it.
    birth.birthCity = std::string(field(false));
    if (!rest.empty()) {
        birth.birthZone = std::string(field(false));
        birth.longitude = decimal(field(false));
        birth.latitude = decimal(field(true));
    }
    return birth;
}

}  // namespace orvane

#include "engine/birth_place.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <sstream>

#include "engine/civil_clock.h"

namespace orvane {
namespace {

constexpr const char* kZoneTablePath = "/usr/share/zoneinfo/zone1970.tab";

// ISO 6709 angle of zone1970.tab: sign, degrees (degreeDigits), minutes and
// optionally seconds: +4230 or +404251 (latitude), -07400 or -0740023 (longitude).
std::optional<double> parse_angle(std::string_view text, size_t degreeDigits) {
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5) return std::nullopt;
    if (text[0] != '+' && text[0] != '-') return std::nullopt;
    for (size_t i = 1; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    auto number = [&](size_t from, size_t count) { return std::stoi(std::string(text.substr(from, count))); };
    double value = number(1, degreeDigits) + number(1 + degreeDigits, 2) / 60.0;
    if (text.size() == degreeDigits + 5) value += number(3 + degreeDigits, 2) / 3600.0;
    return text[0] == '-' ? -value : value;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

}  // namespace

std::optional<std::string> entered_place_problem(double longitude, double latitude, const std::string& zone) {
    if (!std::isfinite(longitude) || longitude < -180.0 || longitude > 180.0) return "经度应在-180至180之间";
    if (!std::isfinite(latitude) || latitude < -90.0 || latitude > 90.0) return "纬度应在-90至90之间";
    if (zone.empty()) return "<时区> 未选择";
    if (!is_known_zone(zone)) return "时区不存在：" + zone;
    return std::nullopt;
}

std::vector<ZoneEntry> parse_zone_table(std::string_view text) {
    std::vector<ZoneEntry> zones;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> columns;
        std::istringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, '\t')) columns.push_back(cell);
        if (columns.size() < 3 || columns[2].empty()) continue;
        const std::string& coordinates = columns[1];
        const size_t split = coordinates.find_first_of("+-", 1);
        if (split == std::string::npos) continue;
        auto latitude = parse_angle(std::string_view(coordinates).substr(0, split), 2);
        auto longitude = parse_angle(std::string_view(coordinates).substr(split), 3);
        if (!latitude || !longitude) continue;
        ZoneEntry entry;
        entry.zone = columns[2];
        const size_t slash = entry.zone.rfind('/');
        entry.city = slash == std::string::npos ? entry.zone : entry.zone.substr(slash + 1);
        std::replace(entry.city.begin(), entry.city.end(), '_', ' ');
        entry.longitude = *longitude;
        entry.latitude = *latitude;
        entry.countries = columns[0];
        zones.push_back(std::move(entry));
    }
    std::sort(zones.begin(), zones.end(), [](const ZoneEntry& a, const ZoneEntry& b) { return a.zone < b.zone; });
    return zones;
}

const std::vector<ZoneEntry>& zone_entries() {
    static const std::vector<ZoneEntry> zones = [] {
        std::ifstream in(kZoneTablePath, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return parse_zone_table(text.str());
    }();
    return zones;
}

std::vector<const ZoneEntry*> find_zones(std::string_view query) {
    std::vector<std::string> words;
    std::istringstream in{lowered(query)};
    for (std::string word; in >> word;) words.push_back(word);
    std::vector<const ZoneEntry*> found;
    for (const ZoneEntry& entry : zone_entries()) {
        const std::string haystack = lowered(entry.zone + " " + entry.city + " " + entry.countries);
        if (std::all_of(words.begin(), words.end(),
                        [&](const std::string& w) { return haystack.find(w) != std::string::npos; }))
            found.push_back(&entry);
    }
    return found;
}

}  // namespace orvane

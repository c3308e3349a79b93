// 出生地点 — a birth place outside the city table: coordinates and a time zone,
// their checks, and the zones of tzdata's zone1970.tab to choose from.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The refusal message of a place given by longitude (degrees east, [-180, 180]),
// latitude (degrees north, [-90, 90]) and zone; nothing when it is acceptable.
std::optional<std::string> entered_place_problem(double longitude, double latitude, const std::string& zone);

// One zone of zone1970.tab: its IANA name, its principal city (the last part of
// the name, spaces for underscores), the city's coordinates, and the countries.
struct ZoneEntry {
    std::string zone;     // "America/New_York"
    std::string city;     // "New York"
    double longitude = 0; // degrees east
    double latitude = 0;  // degrees north
    std::string countries;  // "US", or "AE,OM,RE,SC,TF"
};

// The zones of the system's zone1970.tab, sorted by zone name; empty when the
// file cannot be read. Read once.
const std::vector<ZoneEntry>& zone_entries();

// The zones whose name, city or country codes contain every word of the query,
// ignoring case, in the order of zone_entries(); all of them for an empty query.
std::vector<const ZoneEntry*> find_zones(std::string_view query);

// Parses the lines of a zone1970.tab; malformed lines are skipped.
std::vector<ZoneEntry> parse_zone_table(std::string_view text);

}  // namespace orvane

#include "engine/civil_clock.h"

#include <chrono>
#include <exception>

#include <date/tz.h>

namespace orvane {
namespace {

const date::time_zone* zone_of(const std::string& name) {
    if (name.empty()) return nullptr;
    try {
        return date::locate_zone(name);
    } catch (const std::exception&) {
        return nullptr;  // not in the database, or no database at all
    }
}

// The offset of standard time around a period: the system database marks a
// saving period only as such, so the standard offset is that of the nearest
// period without saving, looked for backward, then forward.
std::chrono::seconds standard_offset(const date::time_zone* zone, const date::sys_info& info) {
    if (info.save == std::chrono::minutes{0}) return info.offset;
    date::sys_info probe = info;
    for (int i = 0; i < 8 && probe.begin > date::sys_seconds::min() + std::chrono::hours(24); ++i) {
        probe = zone->get_info(probe.begin - std::chrono::seconds{1});
        if (probe.save == std::chrono::minutes{0}) return probe.offset;
    }
    probe = info;
    for (int i = 0; i < 8 && probe.end < date::sys_seconds::max() - std::chrono::hours(24); ++i) {
        probe = zone->get_info(probe.end);
        if (probe.save == std::chrono::minutes{0}) return probe.offset;
    }
    return info.offset - std::chrono::hours(1);  // saving all along: the usual hour
}

}  // namespace

bool is_known_zone(const std::string& zone) { return zone_of(zone) != nullptr; }

std::optional<CivilClockReading> read_civil_clock(const std::string& zone, const SolarDate& day, int hour,
                                                int minute) {
    const date::time_zone* z = zone_of(zone);
    if (!z) return std::nullopt;
    const auto local = date::local_days{date::year{day.year} / day.month / day.day} + std::chrono::hours{hour} +
                       std::chrono::minutes{minute};
    const date::local_info info = z->get_info(local);
    const date::sys_info& in_force = info.first;  // before the change for a skipped or doubled time
    const auto standard = standard_offset(z, in_force);
    CivilClockReading reading;
    reading.standardOffsetSec = static_cast<int>(standard.count());
    reading.daylightSavingSec = static_cast<int>((standard - in_force.offset).count());
    return reading;
}

}  // namespace orvane

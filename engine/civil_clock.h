// 时区与夏令时 — reading an entered clock time as the civil time of a place,
// through the system's time-zone database (tzdata).
#pragma once

#include <optional>
#include <string>

#include "engine/gregorian.h"

namespace orvane {

// The civil clock of every place of the city table: China's, with its daylight
// saving of 1919, 1940-1949 and 1986-1991.
inline constexpr const char* kChinaZone = "Asia/Shanghai";
// Beijing standard time, the clock of the term tables: UTC+8.
inline constexpr int kBeijingOffsetSec = 8 * 3600;

// What the clock of a zone meant at one entered moment.
struct CivilClockReading {
    int standardOffsetSec = 0;   // UTC offset of the zone's standard time then
    int daylightSavingSec = 0;   // -3600 (or what the zone saved) under daylight saving, else 0
};

// The zone is in the time-zone database (an IANA name such as America/New_York).
bool is_known_zone(const std::string& zone);

// Reads the clock time of a local date in a zone; nothing for an unknown zone.
// A time that the clock skipped or showed twice is read with the offset in
// force before the change.
std::optional<CivilClockReading> read_civil_clock(const std::string& zone, const SolarDate& date, int hour,
                                                int minute);

}  // namespace orvane

// 输入生辰 — what the birth data dialog holds and checks, without the window:
// its selections (indexes, -1 for none), the help line of each field, the checks
// of OK and the completion of BirthData in the chart record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/birth_place.h"
#include "engine/birth_range.h"

namespace orvane {

inline constexpr int kFirstListedYear = kFirstBirthYear;
inline constexpr int kListedYears = kBirthYears;

struct BirthEntry {
    std::string nameText;     // GBK, at most 19 bytes
    int calendarIndex = 1;    // 0 = 农历, 1 = 公历
    int sexIndex = 0;         // 0 = 男, 1 = 女
    int yearIndex = -1;       // 0 = 1900
    int monthIndex = -1;      // 0 = month 1
    int dayIndex = -1;        // 0 = day 1
    int hourIndex = -1;       // the hour itself [0, 23]
    int minuteIndex = -1;     // the minute itself [0, 59]
    bool leap = false;
    std::string provinceText;  // GBK, empty for none
    std::string cityText;
    // A place outside the table (abroad): coordinates as typed and a time zone
    // chosen from the zone list, in place of province and city.
    bool abroad = false;
    std::string longitudeText;  // degrees east, negative for west: "-74.0"
    std::string latitudeText;   // degrees north, negative for south: "40.7"
    std::string zoneText;       // IANA name: "America/New_York"

    bool lunar() const { return calendarIndex == 0; }
    // The leap box only means something for a lunar date.
    bool leapEnabled() const { return lunar(); }
    // The day list offers 30 days for a lunar month, 31 for a solar one.
    int dayCount() const { return lunar() ? 30 : 31; }
};

// The dialog for a new chart: 男, 公历, nothing chosen.
BirthEntry new_birth_entry();

// The dialog opened to edit the current chart, filled from the chart record.
// The place is taken only when true solar time is on.
BirthEntry birth_entry_from_chart(bool trueSolarTime);

// Clicking 农历 or 公历: the day list is refilled, so the day is no longer chosen.
void choose_calendar(BirthEntry& entry, int calendarIndex);

// Choosing a province empties the city.
void choose_province(BirthEntry& entry, const std::string& province);

// The name cut to at most 19 bytes without splitting a GBK character.
std::string clip_name(const std::string& gbk);

// Switching between a place of the table and a place given by coordinates;
// what was typed in either stays for switching back.
void choose_abroad(BirthEntry& entry, bool abroad);

// The zones of the zone list that match what is typed in its search box (every
// word in the zone name, principal city or country codes, ignoring case).
std::vector<const ZoneEntry*> search_zones(std::string_view query);

// One line of the zone list: "America/New_York  New York (US)".
std::string zone_list_text(const ZoneEntry& zone);

// Choosing a zone from the list sets the zone and, where nothing is typed yet,
// the coordinates of its principal city as a starting point.
void choose_zone(BirthEntry& entry, const ZoneEntry& zone);

// The fields that show a line of help in the "说明" box.
enum class BirthField { calendar, name, place, year, month, leap, day, hour, minute, sex, coordinates, zone };
const char* help_text(BirthField field);

// The message for the first missing selection in the order OK checks them;
// empty when everything needed is chosen. A place abroad needs longitude,
// latitude and zone instead of province and city.
std::string missing_selection(const BirthEntry& entry, bool trueSolarTime);

// The refusal of the coordinates and zone of a place abroad (not numbers, out
// of range, a zone the database lacks); empty when they are acceptable.
std::string abroad_place_problem(const BirthEntry& entry);

// OK: checks the selections, stores the date, validates it and completes the
// birth data of the chart record. False (after one message) while the dialog
// has to stay open.
bool accept_birth_entry(const BirthEntry& entry, bool trueSolarTime);

}  // namespace orvane

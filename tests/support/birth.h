// Storing a birth into the chart record as the birth data dialog does.
#pragma once

#include <string>

namespace testsupport {

struct Birth {
    int year, month, day, hour, minute;
    bool male = true;
    bool lunar = false;
    bool leap = false;
    std::string province;  // GBK; empty for no place
    std::string city;
};

// Options as four 0/1 characters in the order of option.dat.
void set_options(const char* abcd);

// Stores the birth (validated and converted) and casts the chart. Returns false
// when the date is refused.
bool cast(const Birth& birth, int currentLunarYear = 2026);

// Stores the birth only.
bool store(const Birth& birth, int currentLunarYear = 2026);

}  // namespace testsupport

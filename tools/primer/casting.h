// Casting a birth the way the birth dialog stores it, for the fragments that show what the
// engine makes of one.
#pragma once

#include <string>

#include "tools/primer/fragments.h"

namespace primer {

struct BirthInput {
    int year = 0, month = 0, day = 0;  // solar date
    int hour = 0, minute = 0;
    bool male = true;
    std::string options = "1100";  // the four switches in the order of option.dat
    std::string province, city;    // GBK, for true solar time
};

// "YYYY-MM-DD" and "HH:MM" arguments; a FragmentError for anything else.
BirthInput birth_from_args(const Args& args, size_t dateIndex);

// Stores the birth in the chart record and runs the pillars only (full = false) or the whole
// chart computation. A FragmentError when the engine refuses the date.
void cast_birth(const BirthInput& birth, bool full);

}  // namespace primer

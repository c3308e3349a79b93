// The local clock, with a fixed time for tests and reproducible runs.
#pragma once

namespace platform {

struct LocalTime {
    int year, month, day;     // month [1, 12], day [1, 31]
    int hour, minute, second;  // [0, 23], [0, 59], [0, 60]
};

LocalTime now_local();

// Fixes the clock (tests, orvane-cli --today); clear_clock_override() returns to the real one.
void set_clock_override(const LocalTime& fixed);
void clear_clock_override();

}  // namespace platform

// 日出时辰 — the branch of sunrise by latitude band and month, for the Life Palace.
#pragma once

#include <array>

namespace orvane {

// One month of one band: `then` on the days the test holds, else `otherwise`.
struct SunriseRule {
    enum class Test { always, dayAtLeast, dayAtMost, dayAbove, dayBelow, dayBetween };
    Test test;
    int from;  // the day the test compares with
    int to;    // the last day of dayBetween
    int then;
    int otherwise;

    constexpr bool applies(int day) const {
        switch (test) {
        case Test::always: return true;
        case Test::dayAtLeast: return day >= from;
        case Test::dayAtMost: return day <= from;
        case Test::dayAbove: return day > from;
        case Test::dayBelow: return day < from;
        case Test::dayBetween: return day >= from && day <= to;
        }
        return true;
    }
};

// Bands: below 30°, 30-35, 35-40, 40-45, 45-50, 50-52, 52-54, 54-56, 56-58, 58-60, 60 and above.
inline constexpr int kSunriseBands = 11;
extern const std::array<std::array<SunriseRule, 12>, kSunriseBands> SunriseTable;

// The band [0, 10] of a latitude in degrees north.
constexpr int sunrise_band(float latitude) {
    constexpr float lower[kSunriseBands] = {-1000.0f, 30, 35, 40, 45, 50, 52, 54, 56, 58, 60};
    int band = 0;
    for (int i = 0; i < kSunriseBands; ++i)
        if (latitude >= lower[i]) band = i;
    return band;
}

}  // namespace orvane

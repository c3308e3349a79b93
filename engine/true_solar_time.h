// 真太阳时 — the correction of the clock time to the local true solar time:
// the longitude against the 120° E meridian of Beijing time, and the equation
// of time of the birth day.
#pragma once

namespace orvane {

// 经度时差 in seconds, truncated toward zero: 240 s per degree east of the meridian
// of the civil time (120° E for Beijing time).
constexpr int longitude_correction_seconds(float longitude, float meridian = 120.0f) {
    return static_cast<int>((longitude - meridian) * 240.0f);
}

// E(slot) in seconds, for any slot (taken modulo 385).
int equation_of_time_slot_seconds(int slot);

// The equation of time at the entered hour and minute, interpolated from the
// values of the day before (E(c)), the birth day (E(c+1)) and the day after (E(c+2)).
int equation_of_time_seconds(int slotBase, int hour, int minute);

// The slot base c = (16 t + d) mod 385 of a birth d days after the day of term t
// (立春 = 0 … 大寒 = 23).
constexpr int equation_of_time_slot_base(int term, int daysAfter) { return (16 * term + daysAfter) % 385; }

// Whole minutes of a total correction in seconds; exactly ±30 s rounds toward zero.
constexpr int correction_minutes(int totalSeconds) {
    int minutes = totalSeconds / 60;
    int rest = totalSeconds % 60;
    if (rest > 30) ++minutes;
    if (rest < -30) --minutes;
    return minutes;
}

// Hour and minute after adding a correction; the hour may leave 0..23 (-4 … 27).
struct ClockTime {
    int hour;
    int minute;
};
constexpr ClockTime add_minutes(int hour, int minute, int delta) {
    int total = hour * 60 + minute + delta;
    int h = total >= 0 ? total / 60 : -((-total + 59) / 60);
    return {h, total - 60 * h};
}

// 时辰 — the branch of a clock hour: 23:00-00:59 is 子 (1), 21:00-22:59 亥 (12).
constexpr int hour_branch_of_hour(int hour) { return ((hour + 1) / 2) % 12 + 1; }

// Reads the entered clock at the birth place (the first step of the pillar
// computation): beijingTime, the moment on the clock of the term tables;
// trueSolarTime with solarHour, solarMinute and hourBranchNo, corrected for
// daylight saving, longitude and the equation of time; the place's coordinates
// and corrections. The birth data stays as entered. Without true solar time the
// place is cleared and both moments are the entered clock.
void apply_true_solar_time();

}  // namespace orvane

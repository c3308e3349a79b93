// 节气 — reading the solar-term table as moments: lunar datetime codes, the
// lunar year of a term, and its absolute minute.
#pragma once

#include <optional>

#include "engine/calendar_tables.h"
#include "engine/chart_state.h"
#include "engine/gregorian.h"

namespace orvane {

// Lunar datetime code: month code * 1000000 + day * 10000 + hour * 100 + minute.
constexpr int lunar_datetime_code(int monthCode, int day, int hour, int minute) {
    return monthCode * 1000000 + day * 10000 + hour * 100 + minute;
}

// The lunar month code of a lunar datetime code (0 for no term).
constexpr int month_code_of_datetime(int code) { return code / 1000000; }

constexpr int jie_datetime_code(const SolarTermEntry& e) { return (e.jieCode / 100) * 10000 + e.jieHour * 100 + e.jieMinute; }
constexpr int qi_datetime_code(const SolarTermEntry& e) { return (e.qiCode / 100) * 10000 + e.qiHour * 100 + e.qiMinute; }

// Entry k of the table exists and is not the empty entry 0.
bool has_term_entry(int k);

// The lunar year in which a term of entry k with the given lunar datetime code
// falls: its termYear, less one for a term of January or February that lies
// in lunar month 11 or 12, plus one for a January term already in month 1.
int term_lunar_year(int k, int code);

// The term moment (lunar year and code) of the 节 or the 中气 of entry k.
TermMoment jie_moment(int k);
TermMoment qi_moment(int k);

// Minutes since 1970-01-01 00:00 (Beijing time) of a term moment, or of a lunar
// date with a clock time; nothing outside the tables.
std::optional<long long> absolute_minute(const TermMoment& moment);

// The solar date on which a term moment falls.
std::optional<SolarDate> term_solar_date(const TermMoment& moment);

}  // namespace orvane

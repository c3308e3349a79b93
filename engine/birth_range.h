// 出生年份 — the births the program casts, defined once for validation, the dialogs' year
// lists, the reverse lookup and the range messages.
#pragma once

#include <string>

#include "engine/calendar_tables.h"
#include "engine/gregorian.h"

namespace orvane {

// From 立春 1900 (the first solar year the term table holds whole) to 31 December 2100.
inline constexpr int kFirstBirthYear = 1900;
inline constexpr int kLastBirthYear = 2100;
inline constexpr int kBirthYears = kLastBirthYear - kFirstBirthYear + 1;
inline constexpr SolarDate kLastBirthDate{kLastBirthYear, 12, 31};

static_assert(kFirstBirthYear >= kTableFirstYear, "every birth year must lie inside the calendar tables");
// A birth of late December lies in the lunar year of its Gregorian year and a
// true-solar-time day later may reach the next lunar year.
static_assert(kLastBirthYear + 1 <= kTableLastYear, "the lunar year after the last birth must be in the tables");
// The last birth's term window reaches the 节 of solar month 14 of its lunar year
// (lunar month 12: entries k0 … k0 + 3), its forward luck and the reverse lookup's
// 丑 month the 立春 after it.
static_assert(term_index(kLastBirthYear, 14) < kSolarTermEntries, "the terms after the last birth must be in the table");

// "年份应在1900-2100", with the years of the range.
std::string birth_year_range_message();

// The refusal of a date before 立春 1900, with its moment from the term table.
std::string first_spring_message();

// The refusal of a lunar date whose solar day falls after kLastBirthDate.
std::string last_birth_date_message();

}  // namespace orvane

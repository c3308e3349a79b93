// 出生年份 — the births the program casts, defined once for validation, the dialogs' year
// lists, the reverse lookup and the range messages.
#pragma once

#include <string>

#include "engine/calendar_tables.h"

namespace orvane {

// From 立春 1900 (the first solar year the term table holds whole) to the last listed year.
inline constexpr int kFirstBirthYear = 1900;
inline constexpr int kLastBirthYear = 2020;
inline constexpr int kBirthYears = kLastBirthYear - kFirstBirthYear + 1;
static_assert(kFirstBirthYear >= kTableFirstYear && kLastBirthYear <= kTableLastYear,
              "every birth year must lie inside the calendar tables");

// "年份应在1900-2020", with the years of the range.
std::string birthYearRangeMessage();

}  // namespace orvane

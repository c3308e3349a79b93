// 农历数据表: the three packed tables of lunar years 1901-2050 (generated, see data/).
#pragma once

#include <array>
#include <cstdint>

namespace deskcal {

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;
inline constexpr int kLunarYearCount = kLastYear - kFirstYear + 1;       // 150
inline constexpr int kLeapMonthBytes = 76;                                // two years per byte
inline constexpr int kSolarTermMonthCount = 12 * kLunarYearCount;         // 1800

// One word per lunar year: bit 15 = month 1, a set bit = 30 days, clear = 29;
// a leap month takes the bit after its base month and pushes the later months down.
extern const std::array<std::uint16_t, kLunarYearCount> kLunarMonthBits;

// Leap month 0..12 of each lunar year: high nibble of byte k = year 1901 + 2k,
// low nibble = year 1902 + 2k.
extern const std::array<std::uint8_t, kLeapMonthBytes> kLeapMonths;

// One byte per Gregorian month from January 1901: the first term falls on
// day 15 - high nibble, the second on day 15 + low nibble.
extern const std::array<std::uint8_t, kSolarTermMonthCount> kSolarTermDays;

}  // namespace deskcal

#include "engine/numerals.h"

#include <array>

#include "engine/birth_range.h"

namespace orvane {
namespace {

constexpr std::array<const char*, 10> kDigits = {"○", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr std::array<const char*, 10> kTens = {"", "十", "二十", "三十", "四十", "五十", "六十", "七十", "八十", "九十"};
constexpr std::array<const char*, 11> kLunarDays = {"",     "初一", "初二", "初三", "初四", "初五",
                                                    "初六", "初七", "初八", "初九", "初十"};

struct Range {
    int low, high;
    const char* errorToken;
};

// Years: a birth's lunar year, and the next one for the day after a last-day birth.
constexpr std::array<Range, 5> kRanges = {{{0, 99, "num2ccbug01"},
                                           {kFirstBirthYear, kLastBirthYear + 1, "num2ccbug02"},
                                           {1, 12, "num2ccbug03"},
                                           {1, 31, "num2ccbug04"},
                                           {1, 12, "num2ccbug05"}}};

std::string year_digits(int value) {
    std::string text;
    for (int divisor = 1000; divisor > 0; divisor /= 10) text += kDigits[static_cast<size_t>(value / divisor % 10)];
    return text;
}

// Kinds 0, 2, 3 and 4 after the range check; tensWords[t] writes tens digit t.
std::string small_number(int value, int kind, const char* const* tensWords) {
    if (value >= 10) {
        if (kind == 3 && value == 10) return kLunarDays[10];
        std::string text = tensWords[value / 10];
        if (value % 10 != 0) text += kDigits[static_cast<size_t>(value % 10)];
        return text;
    }
    if (kind == 3) return kLunarDays[static_cast<size_t>(value)];
    if (kind == 2 && value == 1) return "正";
    return kDigits[static_cast<size_t>(value)];
}

}  // namespace

std::string num2cc(int value, int kind) {
    if (kind < 0 || kind > 4) return "num2ccbug06";
    const Range& range = kRanges[static_cast<size_t>(kind)];
    if (value < range.low || value > range.high) return range.errorToken;
    if (kind == 1) return year_digits(value);
    return small_number(value, kind, kTens.data());
}

std::string num2cc_leap(int value, int kind) {
    if (kind != 2 || (value >= 1 && value <= 12)) return num2cc(value, kind);
    if (value < 22 || value > 30) return kRanges[2].errorToken;
    // Tens digit 2 reads 闰 and 3 reads 闰十: 22 闰二, 29 闰九, 30 闰十.
    static constexpr std::array<const char*, 4> kLeapTens = {"", "", "闰", "闰十"};
    return small_number(value, kind, kLeapTens.data());
}

}  // namespace orvane

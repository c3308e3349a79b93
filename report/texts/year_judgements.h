// 流年断 — the hundred judgements of a year (or month) by the pair of ten gods
// that rule it: the luck part's god (first key) meeting the period's own god
// (second key). Rows 1 … 100; row 0 holds the table's name.
#pragma once

#include <array>
#include <string_view>

namespace orvane {

inline constexpr int kYearJudgementRows = 100;

// The key order: row 10·x + y + 1 has the first key at position x and the
// second at position y.
inline constexpr std::array<std::string_view, 10> YearJudgementGodOrder = {
    "比肩", "比劫", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印"};

extern const std::array<const char*, kYearJudgementRows + 1> str_LiuNianDuan_ShiShen1;
extern const std::array<const char*, kYearJudgementRows + 1> str_LiuNianDuan_ShiShen2;
// Two seven-character lines "……，……。".
extern const std::array<const char*, kYearJudgementRows + 1> str_LiuNianDuan_Text1;
// The plain-language forecast.
extern const std::array<const char*, kYearJudgementRows + 1> str_LiuNianDuan_Text2;
// The area of life, by the position of the second key [1, 10].
extern const std::array<const char*, 11> str_LiuNianDuan_Text3;

}  // namespace orvane

// 大运 — the luck section of the report: when the luck starts, the stems of the years of
// change, and eight ten-year periods with their years, ages, pillar, hidden stems, ten gods,
// life stage, sound element and the stars their branch brings.
#pragma once

namespace orvane {

// The starting age in the traditional count (three days of clock time are one year), from the
// minutes between the birth and its governing 节. Six minutes are added first, so that 4314
// minutes already make a year.
struct TraditionalLuckAge {
    int years, months, days;
};
constexpr TraditionalLuckAge traditional_luck_age(int luckMinutes) {
    const int m = luckMinutes + 6;
    return {m / 4320, (m % 4320) / 360, (m % 360) / 12};
}

// The pillar of period j [0, 7].
int luck_period_pillar(int period);

// Fields 401 … 409 and the eight period rows from 410 (P = 411 + 30 j, P − 1 … P + 21).
void write_luck_period_fields();

}  // namespace orvane

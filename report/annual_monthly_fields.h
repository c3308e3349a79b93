// 流年流月干支 — the pillar of each of the 80 years from the birth year and the
// pillars of its twelve solar months.
#pragma once

namespace orvane {

// The first month pillar (the 寅 month) of a year with the given year pillar.
constexpr int firstMonthPillarOf(int yearPillar) {
    int y = yearPillar % 60 == 0 ? 60 : yearPillar % 60;
    return (y * 12 - 9) % 60;
}

// Fields 2001 … 3594: row k in 2001 + 20k … + 13.
void write_annual_monthly_fields();

}  // namespace orvane

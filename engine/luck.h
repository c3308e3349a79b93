// 大运 — the ten-year luck periods: direction, starting age and date, the
// pillar of each period, and one classification code per year of life.
#pragma once

#include <array>

namespace orvane {

// 节气日 — the usual day of the year of each solar term, by SolarTermNo
// (大寒 on day 20 … 小寒 of the next January on day 370).
extern const std::array<int, 24> TermDayOfYearTable;

// Forward for a man of a yang year or a woman of a yin year.
constexpr bool luck_runs_forward(int sexFlag, int yearPillar) { return (sexFlag + yearPillar) % 2 == 0; }

// The pillar of period p (0 = the first).
constexpr int luck_pillar_of(int monthPillar, int period, bool forward) {
    return forward ? ((monthPillar + period + 1) % 60 + 60) % 60 : ((monthPillar - period + 59) % 60 + 60) % 60;
}

// Starting age in days of 30-day months and 360-day years from the minutes
// between the birth and its governing 节 (a day of clock time counts four months).
constexpr int luck_start_days_from_minutes(int minutes, bool forward) {
    return forward ? minutes / 12 + minutes / 1440 : minutes / 12 - minutes / 1440 + 30;
}

// The annual code of a year with cycle c for a chart (see compute_year_codes).
int annual_base_code(int yearCycle);

// Luck start (direction, governing 节, minutes, starting age and date).
void compute_luck_start();

// The year pillar of the chart against its lunar year: -1 before a 立春 that
// falls late in month 1, +1 after one early in month 12, else 0.
int year_shift_of_chart();

// The nominal age at which the first period begins.
int first_luck_age();

// yearCodes[80].
void compute_year_codes();

}  // namespace orvane

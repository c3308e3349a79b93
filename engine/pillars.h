// 四柱 — the year, month, day and hour pillars of a birth, as pure rules over
// cycle numbers and lunar datetime codes, and their computation on the chart.
#pragma once

#include "engine/cycle.h"

namespace orvane {

// 年柱 shift against the lunar year (the year begins at 立春): -1 for a month-1
// birth before a 立春 of that month, +1 for a month-12 birth on or after a 立春
// of that month, else 0. jie1 and jie2 are the codes of the window's 节.
int year_pillar_shift(int monthCode, int birthCode, int jie1, int jie2);

// 月令 — the solar month number [1, 12] (1 = 寅, opened by 立春) of a birth in
// lunar month monthCode.
int solar_month_number(int monthCode, int birthCode, int jie1, int jie2);

// The day pillar of a lunar date, without the 23:00 rule.
int day_pillar_of(int lunarYear, int monthCode, int day);

// The month number of the mid-term month: the month, plus one from its 中气 on.
int qi_month_number(int monthCode, int birthCode, int qi1);

// Steps of the chart driver: true solar time, the pillar day of a 23:00 birth,
// the weekday, the term window, and the five pillars.
void compute_pillars();

}  // namespace orvane

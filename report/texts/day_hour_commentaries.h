// 日时断: texts of the day-and-hour judgements, one row per key.
#pragma once

namespace orvane {

// Commentary on day pillar + hour pillar (day pillars 1..30, 甲子..癸巳).
// hourBranch 1 = 子 .. 12 = 亥; nullptr outside the range.
const char* day_hour_commentary_first(int dayPillar, int hourBranch);

// Same for day pillars 31..60 (甲午..癸亥); nullptr outside the range.
const char* day_hour_commentary_second(int dayPillar, int hourBranch);

// General verse for a day stem (1 = 甲 .. 10 = 癸) meeting an hour branch.
const char* day_hour_general_verse(int dayStem, int hourBranch);

// Commentary for the six days of one stem ("六甲日...") at an hour branch.
const char* six_day_commentary(int dayStem, int hourBranch);

// Remarks ①②... on a day stem meeting an hour branch.
const char* day_hour_note(int dayStem, int hourBranch);

}  // namespace orvane

// 十神定位断诀 — each ten god read where it stands in the chart, and the two
// pairings that speak of the parents and of the marriage.
#pragma once

namespace orvane {

// Fields 4501 … 4549.
void write_ten_god_position_fields();

// 1 比肩/比劫, 2 偏印/正印, 3 七杀/正官, 4 偏财/正财, 5 食神/伤官.
int ten_god_group(int code);

// Vote number of the verse of `code` in position slot 0 … 6 (year stem, year
// branch, month stem, month branch, day branch, hour stem, hour branch).
// 比肩 (0) is numbered 10 within its block.
int position_verse_vote_number(int slot, int code);

// Vote numbers of the parents remark (year stem's god, month branch's god) and
// of the marriage remark (day branch's god, month branch's god).
int parents_relation_vote_number(int yearStemGod, int monthBranchGod);
int spouse_relation_vote_number(int dayBranchGod, int monthBranchGod);

}  // namespace orvane

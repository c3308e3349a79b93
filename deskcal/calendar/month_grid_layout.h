// 月格布局: where the days of a month sit in the 6 x 7 grid, and which day a click hits.
#pragma once

#include <optional>

namespace deskcal {

inline constexpr int kGridWidth = 228;
inline constexpr int kGridHeight = 150;
inline constexpr int kCellWidth = 32;
inline constexpr int kCellHeight = 20;
inline constexpr int kGridRows = 6;
inline constexpr int kGridColumns = 7;
inline constexpr int kFirstRowTop = 26;
inline constexpr int kTitleBarBottom = 21;
inline constexpr int kWeekdayLabelLeft = 9;
inline constexpr int kWeekdayLabelTop = 3;

struct CellOrigin {
    int left = 0;  // x of the cell's left edge
    int top = 0;   // y of the cell's top edge
};

// Top-left of the cell holding `day` of the month (day [1, MonthDays]).
CellOrigin day_cell(int year, int month, int day);

// The day under a click at (x, y) in the grid's client area; nothing for the
// title bar, the empty cells before the first and after the last day, and
// points outside the rows.
std::optional<int> day_at_point(int year, int month, int x, int y);

}  // namespace deskcal

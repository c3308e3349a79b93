#include "deskcal/calendar/month_grid_layout.h"

#include "deskcal/calendar/gregorian.h"

namespace deskcal {

CellOrigin day_cell(int year, int month, int day) {
    const int index = WeekDay(year, month, 1) + day - 1;  // [0, 41]
    return {kCellWidth * (index % kGridColumns), kFirstRowTop + kCellHeight * (index / kGridColumns)};
}

std::optional<int> day_at_point(int year, int month, int x, int y) {
    if (x < 0 || y < kFirstRowTop) return std::nullopt;
    const int row = (y - kFirstRowTop) / kCellHeight;
    const int column = x / kCellWidth;
    if (row >= kGridRows || column >= kGridColumns) return std::nullopt;
    const int day = kGridColumns * row + column - WeekDay(year, month, 1) + 1;
    if (day < 1 || day > MonthDays(year, month)) return std::nullopt;
    return day;
}

}  // namespace deskcal

// 月格布局
#include <gtest/gtest.h>

#include "deskcal/calendar/month_grid_layout.h"

namespace deskcal {
namespace {

TEST(day_cell, FirstDaySitsInItsWeekdayColumn) {
    // 2023-04-01 is a Saturday; 1901-02-01 a Friday.
    EXPECT_EQ(6 * 32, day_cell(2023, 4, 1).left);
    EXPECT_EQ(26, day_cell(2023, 4, 1).top);
    EXPECT_EQ(0, day_cell(2023, 4, 2).left);
    EXPECT_EQ(46, day_cell(2023, 4, 2).top);
    EXPECT_EQ(5 * 32, day_cell(1901, 2, 1).left);
    // 2023-04-30 is the first cell of the sixth row.
    EXPECT_EQ(0, day_cell(2023, 4, 30).left);
    EXPECT_EQ(26 + 5 * 20, day_cell(2023, 4, 30).top);
}

TEST(day_at_point, HitsTheDayUnderTheClick) {
    EXPECT_EQ(1, day_at_point(2023, 4, 6 * 32 + 5, 30));
    EXPECT_EQ(20, day_at_point(2023, 4, 4 * 32 + 31, 26 + 3 * 20 + 19));
    EXPECT_EQ(30, day_at_point(2023, 4, 1, 26 + 5 * 20));
}

TEST(day_at_point, EmptyCellsAndTheTitleBarHitNothing) {
    EXPECT_FALSE(day_at_point(2023, 4, 5 * 32 + 10, 30));      // before the 1st, first row
    EXPECT_FALSE(day_at_point(2023, 4, 1 * 32 + 10, 26 + 100)); // after the 30th, last row
    EXPECT_FALSE(day_at_point(2023, 4, 100, 10));               // title bar
    EXPECT_FALSE(day_at_point(2023, 4, 100, 25));
    EXPECT_FALSE(day_at_point(2023, 4, 7 * 32 + 1, 30));         // right of the columns
    EXPECT_FALSE(day_at_point(2023, 4, 10, 26 + 6 * 20));        // below the rows
    EXPECT_EQ(24, day_at_point(1901, 2, 0, 26 + 4 * 20 + 5));     // February 1901 ends in row 5 ...
    EXPECT_FALSE(day_at_point(1901, 2, 5 * 32 + 5, 26 + 4 * 20 + 5));  // ... on Thursday the 28th
    EXPECT_FALSE(day_at_point(1901, 2, 0, 26 + 5 * 20 + 5));
}

}  // namespace
}  // namespace deskcal

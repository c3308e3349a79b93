// 翻月
#include <gtest/gtest.h>

#include "deskcal/calendar/date_range.h"
#include "deskcal/calendar/month_navigation.h"

namespace deskcal {
namespace {

CalendarDate Date(int y, int m, int d) {
    CalendarDate date;
    EXPECT_TRUE(SetDate(date, y, m, d));
    return date;
}

void ExpectDate(int y, int m, int d, const CalendarDate& got) {
    EXPECT_EQ(y, got.year);
    EXPECT_EQ(m, got.month);
    EXPECT_EQ(d, got.day);
}

TEST(SetDate, RefusesOutOfRangeAndKeepsThePreviousDate) {
    CalendarDate date = Date(2023, 4, 20);
    EXPECT_FALSE(SetDate(date, 1900, 12, 31));
    EXPECT_FALSE(SetDate(date, 2051, 1, 1));
    EXPECT_FALSE(SetDate(date, 2023, 13, 1));
    EXPECT_FALSE(SetDate(date, 2023, 2, 29));
    EXPECT_FALSE(SetDate(date, 2023, 4, 0));
    ExpectDate(2023, 4, 20, date);
    EXPECT_TRUE(SetDate(date, 2024, 2, 29));
    ExpectDate(2024, 2, 29, date);
}

TEST(NextMonth, ReducesADayTheMonthLacks) {
    ExpectDate(2023, 2, 28, NextMonth(Date(2023, 1, 31)));
    ExpectDate(2024, 2, 29, NextMonth(Date(2024, 1, 31)));
    ExpectDate(2023, 5, 15, NextMonth(Date(2023, 4, 15)));
}

TEST(NextMonth, DecemberGoesToJanuaryOfTheNextYear) {
    ExpectDate(2024, 1, 31, NextMonth(Date(2023, 12, 31)));
}

TEST(PreviousMonth, JanuaryGoesToDecemberAndDaysAreReduced) {
    ExpectDate(2022, 12, 5, PreviousMonth(Date(2023, 1, 5)));
    ExpectDate(2023, 4, 30, PreviousMonth(Date(2023, 5, 31)));
}

TEST(NextMonth, StopsAtTheEndsOfTheRange) {
    ExpectDate(2050, 12, 31, NextMonth(Date(2050, 12, 31)));
    ExpectDate(1901, 1, 1, PreviousMonth(Date(1901, 1, 1)));
}

TEST(WithMonth, FebruaryWhileTheDayIs31) {
    ExpectDate(2023, 2, 28, WithMonth(Date(2023, 3, 31), 2));
    ExpectDate(2024, 2, 29, WithMonth(Date(2024, 3, 31), 2));
}

TEST(WithYear, LeapDayOfANonLeapYearBecomesThe28th) {
    ExpectDate(2023, 2, 28, WithYear(Date(2024, 2, 29), 2023));
    ExpectDate(2050, 2, 29 - 1, WithYear(Date(2024, 2, 29), 2050));
    ExpectDate(2024, 2, 29, WithYear(Date(2024, 2, 29), 1899));
}

TEST(ClampedYearText, LeavingTheFieldClampsToTheRange) {
    EXPECT_EQ("1901", ClampedYearText("1899"));
    EXPECT_EQ("1901", ClampedYearText("1900"));
    EXPECT_EQ("1901", ClampedYearText("19"));
    EXPECT_EQ("1901", ClampedYearText(""));
    EXPECT_EQ("2050", ClampedYearText("2051"));
    EXPECT_EQ("2050", ClampedYearText("9999"));
    EXPECT_EQ("1901", ClampedYearText("1901"));
    EXPECT_EQ("2023", ClampedYearText("2023"));
}

TEST(YearFieldDigits, KeepsFourDigitsOnly) {
    EXPECT_EQ("2023", YearFieldDigits("2023"));
    EXPECT_EQ("2023", YearFieldDigits("2a0-2 3"));
    EXPECT_EQ("1234", YearFieldDigits("123456"));
    EXPECT_EQ("", YearFieldDigits("abc"));
}

TEST(YearText, FourWide) {
    EXPECT_EQ("2023", YearText(2023));
    EXPECT_EQ(" 999", YearText(999));
}

}  // namespace
}  // namespace deskcal

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

void expect_date(int y, int m, int d, const CalendarDate& got) {
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
    expect_date(2023, 4, 20, date);
    EXPECT_TRUE(SetDate(date, 2024, 2, 29));
    expect_date(2024, 2, 29, date);
}

TEST(next_month, ReducesADayTheMonthLacks) {
    expect_date(2023, 2, 28, next_month(Date(2023, 1, 31)));
    expect_date(2024, 2, 29, next_month(Date(2024, 1, 31)));
    expect_date(2023, 5, 15, next_month(Date(2023, 4, 15)));
}

TEST(next_month, DecemberGoesToJanuaryOfTheNextYear) {
    expect_date(2024, 1, 31, next_month(Date(2023, 12, 31)));
}

TEST(previous_month, JanuaryGoesToDecemberAndDaysAreReduced) {
    expect_date(2022, 12, 5, previous_month(Date(2023, 1, 5)));
    expect_date(2023, 4, 30, previous_month(Date(2023, 5, 31)));
}

TEST(next_month, StopsAtTheEndsOfTheRange) {
    expect_date(2050, 12, 31, next_month(Date(2050, 12, 31)));
    expect_date(1901, 1, 1, previous_month(Date(1901, 1, 1)));
}

TEST(with_month, FebruaryWhileTheDayIs31) {
    expect_date(2023, 2, 28, with_month(Date(2023, 3, 31), 2));
    expect_date(2024, 2, 29, with_month(Date(2024, 3, 31), 2));
}

TEST(with_year, LeapDayOfANonLeapYearBecomesThe28th) {
    expect_date(2023, 2, 28, with_year(Date(2024, 2, 29), 2023));
    expect_date(2050, 2, 29 - 1, with_year(Date(2024, 2, 29), 2050));
    expect_date(2024, 2, 29, with_year(Date(2024, 2, 29), 1899));
}

TEST(clamped_year_text, LeavingTheFieldClampsToTheRange) {
    EXPECT_EQ("1901", clamped_year_text("1899"));
    EXPECT_EQ("1901", clamped_year_text("1900"));
    EXPECT_EQ("1901", clamped_year_text("19"));
    EXPECT_EQ("1901", clamped_year_text(""));
    EXPECT_EQ("2050", clamped_year_text("2051"));
    EXPECT_EQ("2050", clamped_year_text("9999"));
    EXPECT_EQ("1901", clamped_year_text("1901"));
    EXPECT_EQ("2023", clamped_year_text("2023"));
}

TEST(year_field_digits, KeepsFourDigitsOnly) {
    EXPECT_EQ("2023", year_field_digits("2023"));
    EXPECT_EQ("2023", year_field_digits("2a0-2 3"));
    EXPECT_EQ("1234", year_field_digits("123456"));
    EXPECT_EQ("", year_field_digits("abc"));
}

TEST(year_text, FourWide) {
    EXPECT_EQ("2023", year_text(2023));
    EXPECT_EQ(" 999", year_text(999));
}

}  // namespace
}  // namespace deskcal

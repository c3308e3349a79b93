#include "engine/numerals.h"

#include <gtest/gtest.h>

#include "support/gbk_assert.h"

using orvane::num2cc;
using orvane::num2cc_leap;

TEST(Num2cc, PlainNumbers) {
    EXPECT_GBK_EQ("○", num2cc(0, 0));
    EXPECT_GBK_EQ("九", num2cc(9, 0));
    EXPECT_GBK_EQ("十", num2cc(10, 0));
    EXPECT_GBK_EQ("十一", num2cc(11, 0));
    EXPECT_GBK_EQ("二十", num2cc(20, 0));
    EXPECT_GBK_EQ("二十五", num2cc(25, 0));
    EXPECT_GBK_EQ("九十九", num2cc(99, 0));
    EXPECT_GBK_EQ("num2ccbug01", num2cc(100, 0));
    EXPECT_GBK_EQ("num2ccbug01", num2cc(-1, 0));
}

TEST(Num2cc, YearsDigitByDigit) {
    EXPECT_GBK_EQ("一九○○", num2cc(1900, 1));
    EXPECT_GBK_EQ("一九八四", num2cc(1984, 1));
    EXPECT_GBK_EQ("二○○○", num2cc(2000, 1));
    EXPECT_GBK_EQ("二○五○", num2cc(2050, 1));
    EXPECT_GBK_EQ("num2ccbug02", num2cc(1899, 1));
    EXPECT_GBK_EQ("二一○○", num2cc(2100, 1));  // the last birth year
    EXPECT_GBK_EQ("二一○一", num2cc(2101, 1));  // the day after a birth on its last day
    EXPECT_GBK_EQ("num2ccbug02", num2cc(2102, 1));
}

TEST(Num2cc, LunarMonths) {
    EXPECT_GBK_EQ("正", num2cc(1, 2));
    EXPECT_GBK_EQ("二", num2cc(2, 2));
    EXPECT_GBK_EQ("十一", num2cc(11, 2));
    EXPECT_GBK_EQ("十二", num2cc(12, 2));
    EXPECT_GBK_EQ("num2ccbug03", num2cc(13, 2));
    EXPECT_GBK_EQ("num2ccbug03", num2cc(22, 2));
}

TEST(Num2cc, LunarDays) {
    EXPECT_GBK_EQ("初一", num2cc(1, 3));
    EXPECT_GBK_EQ("初九", num2cc(9, 3));
    EXPECT_GBK_EQ("初十", num2cc(10, 3));
    EXPECT_GBK_EQ("十五", num2cc(15, 3));
    EXPECT_GBK_EQ("二十", num2cc(20, 3));
    EXPECT_GBK_EQ("三十", num2cc(30, 3));
    EXPECT_GBK_EQ("三十一", num2cc(31, 3));
    EXPECT_GBK_EQ("num2ccbug04", num2cc(32, 3));
    EXPECT_GBK_EQ("num2ccbug04", num2cc(0, 3));
}

TEST(Num2cc, SmallCounts) {
    EXPECT_GBK_EQ("一", num2cc(1, 4));
    EXPECT_GBK_EQ("十二", num2cc(12, 4));
    EXPECT_GBK_EQ("num2ccbug05", num2cc(0, 4));
    EXPECT_GBK_EQ("num2ccbug05", num2cc(13, 4));
}

TEST(Num2ccLeap, LeapMonthCodesTakeThePrefix) {
    EXPECT_GBK_EQ("正", num2cc_leap(1, 2));
    EXPECT_GBK_EQ("闰二", num2cc_leap(22, 2));
    EXPECT_GBK_EQ("闰九", num2cc_leap(29, 2));
    EXPECT_GBK_EQ("闰十", num2cc_leap(30, 2));
    EXPECT_GBK_EQ("num2ccbug03", num2cc_leap(21, 2));
    EXPECT_GBK_EQ("num2ccbug03", num2cc_leap(31, 2));
    EXPECT_GBK_EQ("num2ccbug03", num2cc_leap(32, 2));
    EXPECT_GBK_EQ("初十", num2cc_leap(10, 3));  // other kinds unchanged
}

// 月历打印
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "deskcal/calendar/month_print.h"
#include "support/gbk_assert.h"

namespace deskcal {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(PrintMonth, OneLinePerDay) {
    EXPECT_EQ(30u, Lines(PrintMonth(2023, 4)).size());
    EXPECT_EQ(28u, Lines(PrintMonth(1901, 2)).size());
    EXPECT_EQ(29u, Lines(PrintMonth(2024, 2)).size());
}

TEST(PrintMonth, April2023ShowsTheThirdMonthAfterTheLeapSecond) {
    const std::vector<std::string> lines = Lines(PrintMonth(2023, 4));
    EXPECT_GBK_EQ("2023-04-01\t2023-2L-11\t十一\t", lines[0]);
    EXPECT_GBK_EQ("2023-04-05\t2023-2L-15\t十五\t清明", lines[4]);
    EXPECT_GBK_EQ("2023-04-19\t2023-2L-29\t廿九\t", lines[18]);
    EXPECT_GBK_EQ("2023-04-20\t2023-3-01\t三月\t谷雨", lines[19]);
    EXPECT_GBK_EQ("2023-04-21\t2023-3-02\t初二\t", lines[20]);
}

TEST(PrintMonth, February1901CrossesIntoLunar1901) {
    const std::vector<std::string> lines = Lines(PrintMonth(1901, 2));
    EXPECT_GBK_EQ("1901-02-01\t1900-12-13\t十三\t", lines[0]);
    EXPECT_GBK_EQ("1901-02-04\t1900-12-16\t十六\t立春", lines[3]);
    EXPECT_GBK_EQ("1901-02-18\t1900-12-30\t三十\t", lines[17]);
    EXPECT_GBK_EQ("1901-02-19\t1901-1-01\t正月\t雨水", lines[18]);
}

TEST(PrintMonth, LeapMonthStartShowsItsBaseMonth) {
    const std::vector<std::string> lines = Lines(PrintMonth(2023, 3));
    EXPECT_GBK_EQ("2023-03-22\t2023-2L-01\t二月\t", lines[21]);
}

TEST(grid_lunar_text, MonthOnTheFirstDayOtherwiseTheDay) {
    EXPECT_GBK_EQ("十一月", grid_lunar_text({2023, 11, 1, false}));
    EXPECT_GBK_EQ("正月", grid_lunar_text({1901, 1, 1, false}));
    EXPECT_GBK_EQ("初二", grid_lunar_text({1901, 1, 2, false}));
    EXPECT_GBK_EQ("三十", grid_lunar_text({1901, 1, 30, false}));
}

TEST(parse_year_month, AcceptsTheRangeOnly) {
    ASSERT_TRUE(parse_year_month("2023-04").has_value());
    EXPECT_EQ(2023, parse_year_month("2023-04")->year);
    EXPECT_EQ(4, parse_year_month("2023-04")->month);
    EXPECT_TRUE(parse_year_month("1901-01").has_value());
    EXPECT_TRUE(parse_year_month("2050-12").has_value());
    EXPECT_FALSE(parse_year_month("1900-12").has_value());
    EXPECT_FALSE(parse_year_month("2051-01").has_value());
    EXPECT_FALSE(parse_year_month("2023-13").has_value());
    EXPECT_FALSE(parse_year_month("2023-00").has_value());
    EXPECT_FALSE(parse_year_month("2023-4").has_value());
    EXPECT_FALSE(parse_year_month("2023/04").has_value());
    EXPECT_FALSE(parse_year_month("20a3-04").has_value());
    EXPECT_FALSE(parse_year_month("").has_value());
}

}  // namespace
}  // namespace deskcal

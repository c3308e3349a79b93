#include "report/luck_of_months.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/chart_state.h"
#include "engine/gregorian.h"
#include "platform/clock.h"
#include "report/report_fields.h"
#include "report/texts/year_judgements.h"
#include "report/votes.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }
std::string text1(int row) { return str_LiuNianDuan_Text1[static_cast<std::size_t>(row)]; }
int field(int row, int offset) { return 4701 + 10 * row + offset; }

const char* const kMinorMessage = "本断语不适合未成年(18岁)命格，不输出。";

// Day master 甲 (甲子 day), born in the lunar year 1980.
class LuckOfMonths : public ::testing::Test {
protected:
    void SetUp() override {
        chart = ChartState{};
        chart.dayPillar = 1;
        chart.lunarYear = 1980;
        chart.lunarMonthCode = 3;
        chart.lunarDay = 12;
        chart.hourBranchNo = 5;
        chart.birthMinute = 30;
        clear_report_fields(4700, 4820);
        ReportFieldTable[4820] = "after";
    }
    void TearDown() override { platform::clear_clock_override(); }

    testsupport::TempProgramDir dir;
};

}  // namespace

TEST_F(LuckOfMonths, InMayRowsRunFromFebruaryToJanuaryOfTheNextYear) {
    platform::set_clock_override({2026, 5, 15, 9, 0, 0});
    write_luck_of_months_fields();
    EXPECT_EQ("", f(4700));
    // Row 0: 2026-02-04 to 03-06, 丙午 year (食神) and 庚寅 month (七杀).
    EXPECT_EQ("2026", f(field(0, 0)));
    EXPECT_EQ(" 2", f(field(0, 1)));
    EXPECT_EQ(" 4", f(field(0, 2)));
    EXPECT_EQ("2026", f(field(0, 3)));
    EXPECT_EQ(" 6", f(field(0, 5)));
    EXPECT_GBK_EQ(text1(27), f(field(0, 6)));
    EXPECT_GBK_EQ(str_LiuNianDuan_Text2[27], f(field(0, 7)));
    EXPECT_GBK_EQ(str_LiuNianDuan_Text3[7], f(field(0, 8)));
    // Row 10: December, ending in the next year on 1-6.
    EXPECT_EQ("2026", f(field(10, 0)));
    EXPECT_EQ("12", f(field(10, 1)));
    EXPECT_EQ(" 7", f(field(10, 2)));
    EXPECT_EQ("2027", f(field(10, 3)));
    EXPECT_EQ(" 6", f(field(10, 5)));
    // Row 11: January 2027 still has the year pillar 丙午; month 辛丑 (正官).
    EXPECT_EQ("2027", f(field(11, 0)));
    EXPECT_EQ(" 1", f(field(11, 1)));
    EXPECT_EQ(" 6", f(field(11, 2)));
    EXPECT_EQ("2027", f(field(11, 3)));
    EXPECT_EQ(" 4", f(field(11, 5)));
    EXPECT_GBK_EQ(text1(28), f(field(11, 6)));
    EXPECT_GBK_EQ(str_LiuNianDuan_Text3[8], f(field(11, 8)));
    EXPECT_EQ("after", f(4820));
}

TEST_F(LuckOfMonths, InFebruaryTheFirstTwoRowsBelongToThePreviousYear) {
    platform::set_clock_override({2026, 2, 10, 9, 0, 0});
    write_luck_of_months_fields();
    // November 2025: 乙巳 year (比劫), 丁亥 month (伤官).
    EXPECT_EQ("2025", f(field(0, 0)));
    EXPECT_EQ("11", f(field(0, 1)));
    EXPECT_EQ(" 7", f(field(0, 2)));
    EXPECT_GBK_EQ(text1(14), f(field(0, 6)));
    EXPECT_EQ("2025", f(field(1, 0)));
    EXPECT_EQ("12", f(field(1, 1)));
    EXPECT_EQ("2026", f(field(1, 3)));
    // January 2026 keeps 乙巳; month 己丑 (正财).
    EXPECT_EQ("2026", f(field(2, 0)));
    EXPECT_EQ(" 1", f(field(2, 1)));
    EXPECT_GBK_EQ(text1(16), f(field(2, 6)));
    // February 2026: 丙午 year, 庚寅 month.
    EXPECT_GBK_EQ(text1(27), f(field(3, 6)));
    EXPECT_EQ("2026", f(field(11, 0)));
    EXPECT_EQ("10", f(field(11, 1)));
}

TEST_F(LuckOfMonths, MonthsAfterTheCurrentOneHaveNoVoteButton) {
    dir.write("dovar.dll", "[Vote]\r\n230027=61\r\n");
    platform::set_clock_override({2026, 5, 15, 9, 0, 0});
    write_luck_of_months_fields();
    EXPECT_GBK_EQ("61%" + vote_button(230027), f(field(0, 4)));
    for (int row = 1; row <= 3; ++row)
        EXPECT_NE(std::string::npos, f(field(row, 4)).find("<button")) << row;
    for (int row = 4; row <= 11; ++row)
        EXPECT_EQ(std::string::npos, f(field(row, 4)).find("<button")) << row;
    EXPECT_GBK_EQ("未有投票数据", f(field(11, 4)));
}

TEST_F(LuckOfMonths, LateInTheYearRowsOfThePreviousYearKeepTheirButton) {
    platform::set_clock_override({2026, 1, 20, 9, 0, 0});
    write_luck_of_months_fields();
    EXPECT_EQ("2025", f(field(0, 0)));
    EXPECT_EQ("10", f(field(0, 1)));
    EXPECT_NE(std::string::npos, f(field(2, 4)).find("<button"));  // December 2025
    EXPECT_NE(std::string::npos, f(field(3, 4)).find("<button"));  // January 2026
    EXPECT_EQ(std::string::npos, f(field(4, 4)).find("<button"));  // February 2026
}

TEST_F(LuckOfMonths, SixteenYearOldGetsOnlyTheMessage) {
    chart.lunarYear = 2010;
    platform::set_clock_override({2026, 5, 15, 9, 0, 0});
    write_luck_of_months_fields();
    EXPECT_GBK_EQ(kMinorMessage, f(4700));
    for (int n = 4701; n <= 4819; ++n) EXPECT_EQ("", f(n)) << n;
}

TEST_F(LuckOfMonths, AdulthoodBeginsAfter6205WholeDays) {
    // Born lunar 2000-1-1 in the 子 hour (hour number 1), minute 0.
    chart.lunarYear = 2000;
    chart.lunarMonthCode = 1;
    chart.lunarDay = 1;
    chart.hourBranchNo = 1;
    chart.birthMinute = 0;
    const SolarDate day6205 = civil_from_days(days_from_civil(2000, 1, 1) + 6205);
    platform::set_clock_override({day6205.year, day6205.month, day6205.day, 23, 59, 59});
    write_luck_of_months_fields();
    EXPECT_GBK_EQ(kMinorMessage, f(4700));
    EXPECT_EQ("", f(4701));

    clear_report_fields(4700, 4819);
    const SolarDate day6206 = civil_from_days(days_from_civil(2000, 1, 1) + 6206);
    platform::set_clock_override({day6206.year, day6206.month, day6206.day, 1, 0, 0});
    write_luck_of_months_fields();
    EXPECT_EQ("", f(4700));
    EXPECT_FALSE(f(4701).empty());
}

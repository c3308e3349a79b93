#include "report/chart_page.h"

#include <gtest/gtest.h>

#include "engine/chart_state.h"
#include "engine/compute_chart.h"
#include "report/report_fields.h"
#include "support/birth.h"
#include "support/gbk_assert.h"

using namespace orvane;
using testsupport::Birth;
using testsupport::cast;
using testsupport::set_options;

namespace {
const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }
}  // namespace

TEST(ChartPage, PillarBlocksOfAKnownChart) {
    set_options("0000");
    ASSERT_TRUE(cast({1984, 2, 4, 5, 6}));  // 癸亥 乙丑 戊辰 乙卯
    write_chart_page_fields();
    // Year 癸亥 against the day master 戊.
    EXPECT_GBK_EQ("癸亥", f(301));
    EXPECT_GBK_EQ("水", f(302));
    EXPECT_GBK_EQ("正财", f(303));
    EXPECT_GBK_EQ("壬", f(304));
    EXPECT_GBK_EQ("偏财", f(306));
    EXPECT_GBK_EQ("甲", f(307));
    EXPECT_GBK_EQ("七杀", f(309));
    EXPECT_GBK_EQ("　", f(310));  // 亥 holds two stems only
    EXPECT_GBK_EQ("　　", f(312));
    EXPECT_GBK_EQ(" 绝 ", f(313));
    EXPECT_GBK_EQ("子、丑", f(314));
    EXPECT_GBK_EQ("大海水", f(315));
    // The day pillar has no ten god of its own.
    EXPECT_GBK_EQ("戊辰", f(331));
    EXPECT_TRUE(f(333).empty());
    EXPECT_GBK_EQ("乙卯", f(346));
    EXPECT_GBK_EQ("正官", f(348));
}

TEST(ChartPage, BirthDataTimesAndTerms) {
    set_options("0000");
    ASSERT_TRUE(cast({1984, 2, 4, 5, 6}));
    write_chart_page_fields();
    EXPECT_GBK_EQ("男", f(111));
    EXPECT_GBK_EQ("六", f(136));  // a Saturday
    for (int n : {137, 140}) EXPECT_GBK_EQ("快", f(n));
    for (int n : {138, 139, 141, 142}) EXPECT_EQ(f(n), "0");
    EXPECT_GBK_EQ("一九八四", f(201));
    EXPECT_GBK_EQ("正", f(202));
    EXPECT_GBK_EQ("初三", f(203));
    EXPECT_GBK_EQ("卯", f(204));
    // Lunar month 1 in the 丑 solar month: 小寒, 大寒, 立春 (the next 节), 雨水.
    EXPECT_GBK_EQ("小寒", f(151));
    EXPECT_GBK_EQ("大寒", f(161));
    EXPECT_GBK_EQ("立春", f(171));
    EXPECT_GBK_EQ("雨水", f(181));
    EXPECT_GBK_EQ("大寒", f(187));
    EXPECT_EQ(f(173), "1");  // 立春 on lunar 1/3 at 23:18
    EXPECT_EQ(f(174), "3");
    EXPECT_EQ(f(175), "23");
    EXPECT_EQ(f(176), "18");
    EXPECT_EQ(f(189), f(162));  // the copy of the named term
}

TEST(ChartPage, LateZiBirthShowsThePillarDayDate) {
    set_options("0000");
    ASSERT_TRUE(cast({1990, 5, 17, 23, 30}));  // lunar 1990-4-23
    write_chart_page_fields();
    EXPECT_GBK_EQ("二十四", f(203));
    EXPECT_GBK_EQ("子", f(204));
    set_options("1100");
    ASSERT_TRUE(cast({1990, 5, 17, 23, 30}));
    write_chart_page_fields();
    EXPECT_GBK_EQ("二十三", f(203));
    EXPECT_GBK_EQ("夜子", f(204));
}

TEST(ChartPage, CorrectionsWithTrueSolarTime) {
    set_options("1110");
    ASSERT_TRUE(cast({1990, 5, 17, 12, 0, true, false, false, "广东", "广州"}));  // 113.23 E
    write_chart_page_fields();
    EXPECT_GBK_EQ("慢", f(137));
    // (113.23 - 120) * 240 = -1624.8, truncated: 27 minutes 4 seconds.
    EXPECT_EQ(f(138), "27");
    EXPECT_EQ(f(139), "4");
    EXPECT_GBK_EQ("快", f(140));  // mid-May the sun runs ahead of the clock
    EXPECT_GBK_EQ("广州", f(122));
    EXPECT_EQ(f(123), "113.2");
    // China kept daylight saving from mid-April to mid-September 1990.
    EXPECT_GBK_EQ("慢", f(145));
    EXPECT_EQ(f(146), "60");
    EXPECT_EQ(f(147), "0");
    ASSERT_TRUE(cast({1990, 12, 17, 12, 0, true, false, false, "广东", "广州"}));
    write_chart_page_fields();
    EXPECT_EQ(f(146), "0");
    set_options("1100");
    ASSERT_TRUE(cast({1990, 5, 17, 12, 0}));
    write_chart_page_fields();
    EXPECT_GBK_EQ("快", f(145));
    EXPECT_EQ(f(146), "0");
}

TEST(ChartPage, PlaceAbroadAsEnteredWithItsOwnMeridian) {
    set_options("1110");
    ASSERT_TRUE(testsupport::store({1990, 7, 1, 13, 30}));
    chart.birthZone = "America/New_York";
    chart.enteredLongitude = -74.0f;
    chart.enteredLatitude = 40.7f;
    compute_chart();
    write_chart_page_fields();
    EXPECT_EQ(f(121), "America/New_York");
    EXPECT_EQ(f(122), "");
    EXPECT_GBK_EQ("西经", f(126));  // the hemisphere as a word, the degrees without sign
    EXPECT_EQ(f(123), "74.0");
    EXPECT_GBK_EQ("北纬", f(127));
    EXPECT_EQ(f(124), "40.7");
    // 1° east of the 75° W meridian of Eastern time: 4 minutes fast.
    EXPECT_GBK_EQ("快", f(137));
    EXPECT_EQ(f(138), "4");
    EXPECT_EQ(f(139), "0");
    EXPECT_EQ(f(146), "60");
    EXPECT_EQ(f(143), "12");
}

TEST(ChartPage, EmptiesTheFieldsOfThePreviousChart) {
    set_options("0000");
    ASSERT_TRUE(cast({2000, 1, 1, 12, 0}));
    ReportFieldTable[4999] = "old";
    ReportFieldTable[5000] = "kept";
    write_chart_page_fields();
    EXPECT_TRUE(f(4999).empty());
    EXPECT_EQ(f(5000), "kept");
    EXPECT_TRUE(f(101).empty());  // no name
    ReportFieldTable[5000].clear();
}

TEST(ChartPage, SolarTermsAroundTheBirthInEachCase) {
    set_options("1100");
    struct Case {
        Birth birth;
        const char* names[4];
        const char* named;  // field 187
        int copyFirst, copySecond;
    };
    const Case cases[] = {
        // Lunar 1989-12-10 after 小寒, before 大寒: K = L = 12, no shift.
        {{1990, 1, 6, 12, 0}, {"冬至", "小寒", "大寒", "立春"}, "小寒", 151, 171},
        // Lunar 1989-12-25 after 大寒: K = L, shifted.
        {{1990, 1, 21, 12, 0}, {"小寒", "大寒", "立春", "雨水"}, "大寒", 161, 181},
        // The leap 5th month of 1990 after 小暑: the solar month runs one ahead.
        {{1990, 7, 8, 12, 0}, {"夏至", "小暑", "大暑", "立秋"}, "小暑", 151, 171},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(cast(c.birth));
        write_chart_page_fields();
        for (int i = 0; i < 4; ++i) EXPECT_GBK_EQ(c.names[i], f(151 + 10 * i)) << c.birth.day;
        EXPECT_GBK_EQ(c.named, f(187));
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(f(189 + i), f(c.copyFirst + 1 + i));
            EXPECT_EQ(f(194 + i), f(c.copySecond + 1 + i));
        }
    }
    ASSERT_TRUE(cast({1990, 7, 8, 12, 0}));
    write_chart_page_fields();
    EXPECT_GBK_EQ("闰5", f(163));  // 小暑 falls in the leap 5th month
}

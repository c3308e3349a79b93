#include "report/luck_of_years.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/derivations.h"
#include "engine/names.h"
#include "platform/clock.h"
#include "report/report_fields.h"
#include "report/texts/year_judgements.h"
#include "report/votes.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }
std::string text1(int row) { return str_LiuNianDuan_Text1[static_cast<std::size_t>(row)]; }
std::string text2(int row) { return str_LiuNianDuan_Text2[static_cast<std::size_t>(row)]; }

// Counts GBK characters; -1 when a byte is not part of a double-byte
// character or a trail byte is '[' (which the template reads as a field).
int gbk_chars(const std::string& s) {
    int count = 0;
    for (std::size_t i = 0; i < s.size(); i += 2, ++count) {
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x81 || lead > 0xFE || i + 1 >= s.size()) return -1;
        const auto trail = static_cast<unsigned char>(s[i + 1]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF || trail == '[') return -1;
    }
    return count;
}

// Day master 甲 (甲子 day); the luck pillar and the year pillar of each year
// chosen by the test through the half-year codes.
class LuckOfYears : public ::testing::Test {
protected:
    void SetUp() override {
        platform::set_clock_override({2026, 6, 1, 12, 0, 0});
        chart = ChartState{};
        chart.dayPillar = 1;  // 甲子
        chart.lunarYear = 1984;
        chart.luckStartDateMonth = 8;
        chart.luckStartDateDay = 20;
        // 甲戌 luck over 甲子 years: 比肩 meets 比肩 everywhere.
        chart.luckYearSlots.fill(1 + 100 * 11);
        clear_report_fields(5001, 5531);
        ReportFieldTable[5531] = "after";
    }
    void TearDown() override { platform::clear_clock_override(); }

    void setAge(int age, int before, int after) {
        chart.luckYearSlots[static_cast<std::size_t>(2 * (age - 1))] = before;
        chart.luckYearSlots[static_cast<std::size_t>(2 * (age - 1) + 1)] = after;
    }
    static int field(int age, int offset) { return 5001 + 10 * (age - 18) + offset; }

    testsupport::TempProgramDir dir;
};

}  // namespace

TEST(YearJudgementTable, EveryPairOfGodsHasExactlyOneRow) {
    EXPECT_STREQ("str_LiuNianDuan_ShiShen1", str_LiuNianDuan_ShiShen1[0]);
    EXPECT_STREQ("str_LiuNianDuan_ShiShen2", str_LiuNianDuan_ShiShen2[0]);
    EXPECT_STREQ("str_LiuNianDuan_Text1", str_LiuNianDuan_Text1[0]);
    EXPECT_STREQ("str_LiuNianDuan_Text2", str_LiuNianDuan_Text2[0]);
    EXPECT_STREQ("str_LiuNianDuan_Text3", str_LiuNianDuan_Text3[0]);
    std::set<std::pair<std::string, std::string>> pairs;
    for (int row = 1; row <= 100; ++row)
        pairs.insert({str_LiuNianDuan_ShiShen1[static_cast<std::size_t>(row)],
                      str_LiuNianDuan_ShiShen2[static_cast<std::size_t>(row)]});
    EXPECT_EQ(100u, pairs.size());
    for (int code1 = 0; code1 < 10; ++code1)
        for (int code2 = 0; code2 < 10; ++code2) {
            const int row = lookup_year_judgement(code1, code2);
            ASSERT_GE(row, 1);
            EXPECT_STREQ(TenGodNames[static_cast<std::size_t>(code1)], str_LiuNianDuan_ShiShen1[static_cast<std::size_t>(row)]);
            EXPECT_STREQ(TenGodNames[static_cast<std::size_t>(code2)], str_LiuNianDuan_ShiShen2[static_cast<std::size_t>(row)]);
        }
}

TEST(YearJudgementTable, RowsFollowTheKeyOrder) {
    EXPECT_EQ(1, lookup_year_judgement("比肩", "比肩"));
    EXPECT_EQ(2, lookup_year_judgement("比肩", "比劫"));
    EXPECT_EQ(11, lookup_year_judgement("比劫", "比肩"));
    EXPECT_EQ(28, lookup_year_judgement("食神", "正官"));
    EXPECT_EQ(41, lookup_year_judgement("偏财", "比肩"));
    EXPECT_EQ(100, lookup_year_judgement("正印", "正印"));
    EXPECT_EQ(0, lookup_year_judgement("正印", "    "));
    EXPECT_EQ(0, lookup_year_judgement(0, 10));
    EXPECT_EQ(10, year_judgement_note_of(100));
    EXPECT_EQ(3, year_judgement_note_of(43));
}

TEST(YearJudgementTable, QuotedTextsAreExact) {
    EXPECT_GBK_EQ("千里风云培玉树，十分雨露发荆花。", text1(1));
    EXPECT_GBK_EQ("平运，有小财源，可对兄弟姐妹提供帮助并有意想不到的结果。", text2(1));
    EXPECT_GBK_EQ("口念弥陀不脱尘，在家修道敬鬼神。", text1(100));
    EXPECT_GBK_EQ("收入高，有购置好事，但须防破失，守旧业为好。", text2(100));
    const std::string note1 = str_LiuNianDuan_Text3[1];
    const std::string note10 = str_LiuNianDuan_Text3[10];
    EXPECT_EQ(0u, note1.rfind("将发生与本身的事业、思想言行、决策、健康安全以及兄弟姐妹、同学、同事、朋友等有关的事情。", 0));
    EXPECT_EQ(0u, note10.rfind("将发生与贵人相助、精神心理的寄托、母亲、老师等有关的事情。", 0));
}

TEST(YearJudgementTable, VersesAreTwoSevenCharacterLinesAndNoTextRepeats) {
    const std::string comma = "，";
    const std::string stop = "。";
    std::set<std::string> verses, forecasts, notes;
    for (int row = 1; row <= 100; ++row) {
        const std::string verse = text1(row);
        SCOPED_TRACE(testsupport::readable(verse));
        ASSERT_EQ(16, gbk_chars(verse));
        EXPECT_EQ(14u, verse.find(comma));
        EXPECT_EQ(30u, verse.rfind(stop));
        const std::string forecast = text2(row);
        EXPECT_GE(gbk_chars(forecast), 10);
        EXPECT_EQ(forecast.size() - 2, forecast.rfind(stop));
        verses.insert(verse);
        forecasts.insert(forecast);
    }
    for (int note = 1; note <= 10; ++note) {
        EXPECT_GT(gbk_chars(str_LiuNianDuan_Text3[static_cast<std::size_t>(note)]), 20);
        notes.insert(str_LiuNianDuan_Text3[static_cast<std::size_t>(note)]);
    }
    EXPECT_EQ(100u, verses.size());
    EXPECT_EQ(100u, forecasts.size());
    EXPECT_EQ(10u, notes.size());
}

TEST_F(LuckOfYears, SameGodInLuckAndYearUsesRowOne) {
    dir.write("dovar.dll", "[Vote]\r\n220001=37\r\n");
    write_luck_of_years_fields();
    EXPECT_EQ("18", f(5001));
    EXPECT_EQ("2001", f(5002));
    EXPECT_EQ(" 2", f(5003));
    EXPECT_EQ(" 4", f(5004));
    EXPECT_EQ(" 2", f(5006));
    EXPECT_EQ(" 4", f(5007));
    EXPECT_GBK_EQ("37%" + vote_button(220001), f(5005));
    EXPECT_GBK_EQ(text1(1), f(5008));
    EXPECT_GBK_EQ(text2(1), f(5009));
    EXPECT_GBK_EQ(str_LiuNianDuan_Text3[1], f(5010));
}

TEST_F(LuckOfYears, FutureYearsShowTheVoteWithoutAButton) {
    write_luck_of_years_fields();
    // Age 43 is 2026, the current year; age 44 is 2027.
    EXPECT_EQ("2026", f(field(43, 1)));
    EXPECT_GBK_EQ("未有投票数据" + vote_button(220001), f(field(43, 4)));
    EXPECT_EQ("2027", f(field(44, 1)));
    EXPECT_GBK_EQ("未有投票数据", f(field(44, 4)));
    EXPECT_GBK_EQ("未有投票数据", f(field(70, 4)));
}

TEST_F(LuckOfYears, AgeSeventyIsTheLastRow) {
    write_luck_of_years_fields();
    EXPECT_EQ("70", f(5521));
    EXPECT_EQ("2053", f(5522));
    EXPECT_GBK_EQ(str_LiuNianDuan_Text3[1], f(5530));
    EXPECT_EQ("after", f(5531));
}

TEST_F(LuckOfYears, BranchHalfOfAPeriodRulesByItsMainHiddenStem) {
    // 甲戌 luck: stem 甲 is 比肩, the main hidden stem of 戌 is 戊, 偏财 to 甲.
    // Years 丙寅 (食神): rows 3 in the stem half, 43 in the branch half.
    setAge(25, 3 + 100 * 11, 3 + 100 * 11);
    setAge(26, 3 + 100 * 11 + 10000, 3 + 100 * 11 + 10000);
    write_luck_of_years_fields();
    EXPECT_GBK_EQ(text1(3), f(field(25, 7)));
    EXPECT_GBK_EQ(text1(43), f(field(26, 7)));
    EXPECT_GBK_EQ(text2(43), f(field(26, 8)));
    EXPECT_GBK_EQ(str_LiuNianDuan_Text3[3], f(field(26, 9)));
    EXPECT_EQ(5, ruling_stem_of_year_slot(3 + 100 * 11 + 10000));
    EXPECT_EQ(10, ruling_stem_of_year_slot(3 + 100 * 60));  // 癸亥 luck, stem half
}

TEST_F(LuckOfYears, LuckChangingAfterTheFourthOfFebruaryRulesByTheLaterHalf) {
    // The change in the middle of age 30: stem half before, branch half after.
    setAge(30, 1 + 100 * 11, 1 + 100 * 11 + 10000);
    chart.luckStartDateMonth = 2;
    chart.luckStartDateDay = 4;
    write_luck_of_years_fields();
    EXPECT_GBK_EQ(text1(1), f(field(30, 7)));
    chart.luckStartDateDay = 5;
    write_luck_of_years_fields();
    EXPECT_GBK_EQ(text1(41), f(field(30, 7)));
    chart.luckStartDateMonth = 3;
    write_luck_of_years_fields();
    EXPECT_GBK_EQ(text1(1), f(field(30, 7)));
}

TEST_F(LuckOfYears, YearStemIsJudgedFromTheEarlierHalfCode) {
    // 庚午 (七杀) as the year of the earlier half; the later half names 甲子.
    setAge(20, 7 + 100 * 11, 1 + 100 * 11);
    write_luck_of_years_fields();
    EXPECT_GBK_EQ(text1(7), f(field(20, 7)));
}

TEST(LuckOfYearsChart, CastChartFillsEveryAgeAndSwitchesToTheBranchInThePeriodsSixthYear) {
    platform::set_clock_override({2026, 6, 1, 12, 0, 0});
    testsupport::TempProgramDir dir;
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));
    clear_report_fields(5001, 5530);
    write_luck_of_years_fields();
    const std::set<std::string> verses(str_LiuNianDuan_Text1.begin() + 1, str_LiuNianDuan_Text1.end());
    int switches = 0;
    for (int age = 18; age <= 70; ++age) {
        const int R = 5001 + 10 * (age - 18);
        EXPECT_EQ(std::to_string(age), f(R));
        EXPECT_EQ(std::to_string(chart.lunarYear + age - 1), f(R + 1));
        EXPECT_EQ(1u, verses.count(f(R + 7))) << age;
        const int before = chart.luckYearSlots[static_cast<std::size_t>(2 * (age - 2))];
        const int now = chart.luckYearSlots[static_cast<std::size_t>(2 * (age - 1))];
        if (before < 10000 && now > 10000) {
            ++switches;
            const int branch = branch_of((now / 100) % 100);
            const int god = tenGod(chart.dayPillar, hidden_stems_of(branch)[0]);
            int row = 0;
            for (int r = 1; r <= 100; ++r)
                if (text1(r) == f(R + 7)) row = r;
            EXPECT_STREQ(TenGodNames[static_cast<std::size_t>(god)], str_LiuNianDuan_ShiShen1[static_cast<std::size_t>(row)]);
        }
    }
    EXPECT_GE(switches, 4);
    platform::clear_clock_override();
}

TEST_F(LuckOfYears, YearBeforeAnyLuckPeriodKeepsItsAgeButNoJudgement) {
    setAge(18, -1, -1);
    ReportFieldTable[5008] = "stale";
    write_luck_of_years_fields();
    EXPECT_EQ("18", f(5001));
    EXPECT_EQ("", f(5005));
    EXPECT_EQ("", f(5008));
    EXPECT_GBK_EQ(text1(1), f(field(19, 7)));
}

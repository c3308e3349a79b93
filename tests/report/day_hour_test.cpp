#include "report/day_hour.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/report_fields.h"
#include "report/texts/day_hour_commentaries.h"
#include "support/birth.h"
#include "support/gbk_assert.h"

using namespace orvane;

namespace {

const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }

// Every byte belongs to a double-byte GBK character and no trail byte is '[',
// which the template expansion would take for a field reference.
bool pure_gbk(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x81 || lead > 0xFE || i + 1 >= s.size()) return false;
        const auto trail = static_cast<unsigned char>(s[i + 1]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF || trail == '[') return false;
    }
    return true;
}

int row_of_key(const std::string& key) {
    for (int row = 1; row <= kDayHourRows; ++row)
        if (str_RiShiDuan_DateTime(row) == key) return row;
    return 0;
}

}  // namespace

TEST(DayHourKeys, GeneralRowsCarryNoKey) {
    for (int row = 1; row <= 120; ++row) EXPECT_TRUE(str_RiShiDuan_DateTime(row).empty()) << row;
}

TEST(DayHourKeys, SixDayAndDayPillarKeysHaveTheirForms) {
    EXPECT_GBK_EQ("六甲日甲子时", str_RiShiDuan_DateTime(121));
    EXPECT_GBK_EQ("六乙日丙子时", str_RiShiDuan_DateTime(133));
    EXPECT_GBK_EQ("六癸日癸亥时", str_RiShiDuan_DateTime(240));
    EXPECT_GBK_EQ("甲子日甲子时", str_RiShiDuan_DateTime(241));
    EXPECT_GBK_EQ("甲子日乙亥时", str_RiShiDuan_DateTime(252));
    EXPECT_GBK_EQ("乙丑日丙子时", str_RiShiDuan_DateTime(253));
    EXPECT_GBK_EQ("癸亥日壬子时", str_RiShiDuan_DateTime(949));
    EXPECT_GBK_EQ("癸亥日癸亥时", str_RiShiDuan_DateTime(960));
}

TEST(DayHourKeys, EveryKeyIsUniqueAndEveryKeyedRowHasText) {
    std::set<std::string> keys;
    for (int row = 121; row <= kDayHourRows; ++row) {
        const std::string key = str_RiShiDuan_DateTime(row);
        EXPECT_TRUE(keys.insert(key).second) << testsupport::readable(key);
        EXPECT_FALSE(str_RiShiDuan_Shi(row).empty()) << row;
    }
    EXPECT_EQ(840u, keys.size());
}

TEST(DayHourKeys, HourStemsFollowTheDayStem) {
    // 甲己 days start at 甲子, 乙庚 丙子, 丙辛 戊子, 丁壬 庚子, 戊癸 壬子.
    EXPECT_EQ(row_of_key("六己日甲子时"), 121 + 12 * 5);
    EXPECT_EQ(row_of_key("六庚日丙子时"), 121 + 12 * 6);
    EXPECT_EQ(row_of_key("六辛日戊子时"), 121 + 12 * 7);
    EXPECT_EQ(row_of_key("六壬日庚子时"), 121 + 12 * 8);
    EXPECT_EQ(row_of_key("六戊日壬子时"), 121 + 12 * 4);
    EXPECT_EQ(0, row_of_key("六甲日丙子时"));
}

TEST(DayHourTexts, QuotedTextsAreExact) {
    EXPECT_GBK_EQ("败中印绶官生至；月通木气不寻常，反此而言虚名利。", str_RiShiDuan_Shi(1));
    EXPECT_GBK_EQ("①时逢生印，足智多谋，安享食禄。②甲寅日生，夹天乙（丑）贵。③女命，长子多夭折。",
                  day_hour_note(1, 1));
}

TEST(DayHourTexts, AllTextsAreDistinctCleanGbk) {
    std::set<std::string> seen;
    for (int row = 1; row <= kDayHourRows; ++row) {
        const std::string t = str_RiShiDuan_Shi(row);
        EXPECT_TRUE(pure_gbk(t)) << row;
        EXPECT_TRUE(seen.insert(t).second) << row << " " << testsupport::readable(t);
    }
    for (int s = 1; s <= 10; ++s)
        for (int b = 1; b <= 12; ++b) {
            const std::string note = day_hour_note(s, b);
            EXPECT_EQ(0u, note.rfind("①", 0)) << s << "," << b;
            EXPECT_TRUE(pure_gbk(note)) << s << "," << b;
            EXPECT_TRUE(seen.insert(note).second) << s << "," << b;
        }
}

TEST(DayHourTexts, SixDayCommentaryNamesItsOwnKey) {
    // Each 六X日 commentary opens with its stem and hour pillar.
    for (int row = 121; row <= 240; ++row) {
        const std::string key = str_RiShiDuan_DateTime(row);
        const std::string stemAndDay = key.substr(0, 6);     // 六 X 日
        const std::string hour = key.substr(6, 4);           // hour pillar
        const std::string text = str_RiShiDuan_Shi(row);
        EXPECT_EQ(0u, text.rfind(stemAndDay, 0)) << row;
        EXPECT_NE(std::string::npos, text.find(hour)) << row;
    }
}

TEST(DayHourTexts, OutOfRangeGivesNothing) {
    EXPECT_EQ(nullptr, day_hour_general_verse(0, 1));
    EXPECT_EQ(nullptr, six_day_commentary(11, 1));
    EXPECT_EQ(nullptr, day_hour_note(1, 13));
    EXPECT_TRUE(str_RiShiDuan_Shi(0).empty());
    EXPECT_TRUE(str_RiShiDuan_Shi(961).empty());
    EXPECT_TRUE(str_RiShiDuan_DateTime(961).empty());
}

TEST(DayHourLookup, BingchenDayBingshenHourFindsBothCommentaries) {
    EXPECT_GBK_EQ(six_day_commentary(3, 9), lookup_day_hour_text("六丙日丙申时"));
    const char* own = day_hour_commentary_second(53, 9);  // 丙辰 is the 53rd pillar
    ASSERT_NE(nullptr, own);
    EXPECT_GBK_EQ(own, lookup_day_hour_text("丙辰日丙申时"));
}

TEST(DayHourLookup, JiaziDayJiaxuHourFindsBothCommentaries) {
    EXPECT_GBK_EQ(six_day_commentary(1, 11), lookup_day_hour_text("六甲日甲戌时"));
    const char* own = day_hour_commentary_first(1, 11);
    ASSERT_NE(nullptr, own);
    EXPECT_GBK_EQ(own, lookup_day_hour_text("甲子日甲戌时"));
}

TEST(DayHourLookup, UnknownKeyGivesEmptyText) {
    EXPECT_TRUE(lookup_day_hour_text("六甲日丙子时").empty());
    EXPECT_TRUE(lookup_day_hour_text("甲子日甲子").empty());   // a prefix is not a match
    EXPECT_TRUE(lookup_day_hour_text("").empty());             // rows 1 … 120 hold no usable key
}

TEST(DayHourFields, GuiDayHaiHourUsesVerseRow120) {
    chart.dayPillar = 0;    // 癸亥
    chart.hourPillar = 0;   // 癸亥
    write_day_hour_fields();
    EXPECT_GBK_EQ(str_RiShiDuan_Shi(120), f(4003));
    EXPECT_GBK_EQ("亥时劫财水势强；兄弟争财难积聚，逢土成堤始吉祥。", f(4003));
    EXPECT_GBK_EQ("癸", f(4004));
    EXPECT_GBK_EQ(day_hour_commentary_second(60, 12), f(4009));
}

TEST(DayHourFields, CastChartFillsAllTen) {
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));  // day 戊辰, hour 乙卯
    write_day_hour_fields();
    EXPECT_GBK_EQ("戊辰", f(4001));
    EXPECT_GBK_EQ("乙卯", f(4002));
    EXPECT_GBK_EQ("卯时正官独坐宫；木疏厚土成佳器，官星清纯福禄丰。", f(4003));
    EXPECT_GBK_EQ("戊", f(4004));
    EXPECT_GBK_EQ("乙卯", f(4005));
    EXPECT_GBK_EQ("六戊日乙卯时，乙木正官坐禄，官星纯清，主为人方正，仕途顺遂；秋生金旺伤官，功名多阻。", f(4006));
    EXPECT_GBK_EQ("戊辰", f(4007));
    EXPECT_GBK_EQ("乙卯", f(4008));
    ASSERT_NE(nullptr, day_hour_commentary_first(5, 4));
    EXPECT_GBK_EQ(day_hour_commentary_first(5, 4), f(4009));
    EXPECT_GBK_EQ("①正官在时，子女贤孝。②戊辰日生，官星清纯，仕途平稳。", f(4010));
}

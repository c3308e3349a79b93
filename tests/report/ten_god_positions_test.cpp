#include "report/ten_god_positions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/chart_state.h"
#include "engine/names.h"
#include "report/report_fields.h"
#include "report/texts/ten_god_position_texts.h"
#include "report/texts/ten_god_relation_texts.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }

std::string no_votes(int number) {
    const std::string n = std::to_string(number);
    return "未有投票数据<div id='d" + n + "'><button type='button' onClick=\"v('" + n + "')\">投票</button></div>";
}

// A chart record with the given gods; only the main hidden stems matter here.
void set_gods(int yearStem, int yearBranch, int monthStem, int monthBranch, int dayBranch, int hourStem,
             int hourBranch) {
    chart = ChartState{};
    chart.tenGodYear = yearStem;
    chart.tenGodMonth = monthStem;
    chart.tenGodHour = hourStem;
    chart.hiddenTenGods[0] = {yearBranch, 10, 10};
    chart.hiddenTenGods[1] = {monthBranch, 10, 10};
    chart.hiddenTenGods[2] = {dayBranch, 10, 10};
    chart.hiddenTenGods[3] = {hourBranch, 10, 10};
}

const std::vector<std::string> kMarks = {"①", "②", "③", "④", "⑤"};

// The remarks of a verse split at ①, ② …; empty when it does not start at ① or
// a mark is out of order.
std::vector<std::string> remarks_of(const std::string& verse) {
    std::vector<std::string> remarks;
    std::size_t start = 0;
    for (std::size_t k = 0; k < kMarks.size(); ++k) {
        if (verse.compare(start, kMarks[k].size(), kMarks[k]) != 0) return {};
        const std::size_t body = start + kMarks[k].size();
        const std::size_t next = k + 1 < kMarks.size() ? verse.find(kMarks[k + 1], body) : std::string::npos;
        remarks.push_back(verse.substr(body, next == std::string::npos ? std::string::npos : next - body));
        if (next == std::string::npos) return remarks;
        start = next;
    }
    return remarks;
}

// Every byte pair is a double-byte GBK character whose trail byte is not '['
// (which the template would read as a field reference).
bool pure_gbk(const std::string& s) {
    if (s.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const auto trail = static_cast<unsigned char>(s[i + 1]);
        if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail == 0x7F || trail == 0xFF || trail == '[') return false;
    }
    return true;
}

bool ends_with_stop(const std::string& s) { return s.size() >= 2 && s.compare(s.size() - 2, 2, "。") == 0; }

}  // namespace

TEST(TenGodPositionVotes, BiJianCountsAsTenInEveryPositionBlock) {
    for (int slot = 0; slot < 7; ++slot) {
        EXPECT_EQ(position_verse_vote_number(slot, 0), 251010 + 1000 * slot);
        EXPECT_EQ(position_verse_vote_number(slot, 1), 251001 + 1000 * slot);
        EXPECT_EQ(position_verse_vote_number(slot, 9), 251009 + 1000 * slot);
    }
}

TEST(TenGodPositionVotes, YearStemBiJianVotesUnder251010) {
    testsupport::TempProgramDir dir;
    dir.write("dovar.dll", "[Vote]\r\n251000=11\r\n251010=42\r\n");
    set_gods(0, 3, 3, 3, 3, 3, 3);
    write_ten_god_position_fields();
    EXPECT_GBK_EQ("42%<div id='d251010'><button type='button' onClick=\"v('251010')\">投票</button></div>", f(4541));
}

TEST(TenGodPositionVotes, PairingsUseTheGroupOfTheMonthBranch) {
    EXPECT_EQ(ten_god_group(0), 1);
    EXPECT_EQ(ten_god_group(1), 1);
    EXPECT_EQ(ten_god_group(2), 2);
    EXPECT_EQ(ten_god_group(5), 3);
    EXPECT_EQ(ten_god_group(6), 4);
    EXPECT_EQ(ten_god_group(9), 5);
    EXPECT_EQ(parents_relation_vote_number(0, 0), 258001);
    EXPECT_EQ(parents_relation_vote_number(9, 8), 258050);
    EXPECT_EQ(spouse_relation_vote_number(4, 7), 259024);
}

TEST(TenGodPositionFields, ShangGuanMonthBranchPutsEveryPairingInGroupFive) {
    testsupport::TempProgramDir dir;
    for (int god = 0; god < 10; ++god) {
        set_gods(god, 0, 0, 9, god, 0, 0);
        write_ten_god_position_fields();
        EXPECT_GBK_EQ("伤官", f(4522));
        EXPECT_GBK_EQ("伤官", f(4532));
        EXPECT_GBK_EQ(ParentsRelationTexts[static_cast<std::size_t>(god)][5], f(4523)) << god;
        EXPECT_GBK_EQ(SpouseRelationTexts[static_cast<std::size_t>(god)][5], f(4533)) << god;
        EXPECT_GBK_EQ(no_votes(258000 + 5 * god + 5), f(4548));
        EXPECT_GBK_EQ(no_votes(259000 + 5 * god + 5), f(4549));
    }
}

// 1984-02-04 05:06, before 立春: 癸亥 乙丑 戊辰 乙卯. Against the day stem 戊:
// stems 癸 正财, 乙 正官, 乙 正官; main hidden stems 亥 壬 偏财, 丑 己 比劫,
// 辰 戊 比肩, 卯 乙 正官.
TEST(TenGodPositionFields, CastChartFillsTheLayout) {
    testsupport::TempProgramDir dir;
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));
    clear_report_fields(4500, 4560);
    write_ten_god_position_fields();
    const auto& v = TenGodPositionVerses;
    const struct {
        int field;
        const char* name;
        const char* verse;
        int vote;
    } expected[] = {
        {4501, "正财", v[7][0], 251007}, {4503, "偏财", v[6][1], 252006}, {4505, "正官", v[5][2], 253005},
        {4507, "比劫", v[1][3], 254001}, {4511, "比肩", v[0][5], 255010}, {4513, "正官", v[5][6], 256005},
        {4515, "正官", v[5][7], 257005},
    };
    for (std::size_t slot = 0; slot < 7; ++slot) {
        const auto& e = expected[slot];
        EXPECT_GBK_EQ(e.name, f(e.field));
        EXPECT_GBK_EQ(e.verse, f(e.field + 1));
        EXPECT_GBK_EQ(no_votes(e.vote), f(4541 + static_cast<int>(slot)));
    }
    EXPECT_GBK_EQ("正财", f(4521));
    EXPECT_GBK_EQ("比劫", f(4522));
    EXPECT_GBK_EQ(ParentsRelationTexts[7][1], f(4523));
    EXPECT_GBK_EQ("比肩", f(4531));
    EXPECT_GBK_EQ("比劫", f(4532));
    EXPECT_GBK_EQ(SpouseRelationTexts[0][1], f(4533));
    EXPECT_GBK_EQ(no_votes(258036), f(4548));
    EXPECT_GBK_EQ(no_votes(259001), f(4549));
    // The day stem has no place of its own, nor do the gaps between the blocks.
    for (int n : {4509, 4510, 4517, 4520, 4524, 4530, 4534, 4540, 4550}) EXPECT_TRUE(f(n).empty()) << n;
}

TEST(TenGodPositionTexts, QuotedTextsExact) {
    EXPECT_EQ(std::string(TenGodPositionVerses[0][0]).rfind("①很有个性，自我观念强，在兄弟姐妹中比较突出。", 0), 0u);
    EXPECT_GBK_EQ("①子夭折，晚景单薄。", TenGodPositionVerses[9][7]);
    EXPECT_GBK_EQ("日主若当令，幼年家境贫困。", ParentsRelationTexts[0][1]);
    EXPECT_GBK_EQ("夫妻感情相敬如宾，偶而会争执。", SpouseRelationTexts[9][5]);
}

TEST(TenGodPositionTexts, EveryVerseIsARunOfNumberedRemarks) {
    for (std::size_t code = 0; code < 10; ++code) {
        for (std::size_t position = 0; position < 8; ++position) {
            const std::string verse = TenGodPositionVerses[code][position];
            const std::string where = std::string(TenGodNames[code]) + " @" + std::to_string(position);
            if (position == 4) {
                EXPECT_TRUE(verse.empty()) << testsupport::readable(where);
                continue;
            }
            EXPECT_TRUE(pure_gbk(verse)) << testsupport::readable(where);
            const auto remarks = remarks_of(verse);
            const bool quotedSingle = code == 9 && position == 7;
            EXPECT_GE(remarks.size(), quotedSingle ? 1u : 2u) << testsupport::readable(where);
            EXPECT_LE(remarks.size(), 4u) << testsupport::readable(where);
            for (const std::string& remark : remarks) {
                EXPECT_GE(remark.size(), 8u) << testsupport::readable(where);
                EXPECT_TRUE(ends_with_stop(remark)) << testsupport::readable(where);
            }
        }
    }
}

TEST(TenGodPositionTexts, RelationTextsFillEveryGroup) {
    for (const auto* table : {&ParentsRelationTexts, &SpouseRelationTexts}) {
        for (std::size_t code = 0; code < 10; ++code) {
            EXPECT_STREQ("", (*table)[code][0]);
            for (std::size_t group = 1; group <= 5; ++group) {
                const std::string text = (*table)[code][group];
                EXPECT_TRUE(pure_gbk(text)) << code << "/" << group;
                EXPECT_GE(text.size(), 12u) << code << "/" << group;
                EXPECT_TRUE(ends_with_stop(text)) << code << "/" << group;
            }
        }
    }
}

TEST(TenGodPositionTexts, NoTextOrRemarkRepeated) {
    std::set<std::string> seen;
    for (std::size_t code = 0; code < 10; ++code) {
        for (std::size_t position = 0; position < 8; ++position) {
            for (const std::string& remark : remarks_of(TenGodPositionVerses[code][position]))
                EXPECT_TRUE(seen.insert(remark).second) << testsupport::readable(remark);
        }
        for (std::size_t group = 1; group <= 5; ++group) {
            for (const char* text : {ParentsRelationTexts[code][group], SpouseRelationTexts[code][group]})
                EXPECT_TRUE(seen.insert(text).second) << testsupport::readable(text);
        }
    }
    EXPECT_EQ(seen.size(), 10u * 7u * 3u - 2u + 100u);  // three remarks each, but 伤官 时支 has one
}

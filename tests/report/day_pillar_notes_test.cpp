#include "report/day_pillar_notes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/report_fields.h"
#include "report/texts/day_pillar_notes_table.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }

const char* const kJiaziNote = "①精明，善于做人，处世练达。②甲子日、甲子时之女命，长子多夭折。③乙亥时生，目疾。";
const char* const kGuihaiNote = "①鼓盆煞多克妻。②喜爱文学。③女性，有离婚之可能。④女人，四十岁左右克夫。";

// ①, ②, … as GBK.
const std::vector<std::string> kMarks = {"①", "②", "③", "④", "⑤", "⑥"};

// Every byte belongs to a double-byte GBK character (no stray ASCII), and no
// trail byte is '[', which the template would read as a field reference.
bool pure_gbk(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x81 || lead > 0xFE || i + 1 >= s.size()) return false;
        const auto trail = static_cast<unsigned char>(s[i + 1]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF || trail == '[') return false;
    }
    return true;
}

// The remarks of a note split at ①, ②, …; empty when the numbering is broken.
std::vector<std::string> remarks_of(const std::string& note) {
    std::vector<std::string> remarks;
    if (note.rfind(kMarks[0], 0) != 0) return {};
    std::size_t start = 0;
    for (std::size_t k = 1;; ++k) {
        const std::size_t next = k < kMarks.size() ? note.find(kMarks[k], start) : std::string::npos;
        remarks.push_back(note.substr(start + kMarks[0].size(), next == std::string::npos ? std::string::npos
                                                                                        : next - start - kMarks[0].size()));
        if (next == std::string::npos) break;
        start = next;
    }
    return remarks;
}

// 时 pillars of a day stem: 甲己 days start the 子 hour with 甲, 乙庚 with 丙, …
int hourStem(int dayStem, int hourBranch) { return wrap1(2 * (dayStem - 1) + hourBranch, 10); }

}  // namespace

TEST(DayPillarFields, GuihaiStoredAsZeroUsesTheSixtiethNote) {
    testsupport::TempProgramDir dir;
    chart = ChartState{};
    chart.dayPillar = 0;
    write_day_pillar_fields();
    EXPECT_GBK_EQ("癸亥", f(4601));
    EXPECT_GBK_EQ(kGuihaiNote, f(4602));
    EXPECT_EQ(day_pillar_vote_number(0), 260060);
    EXPECT_GBK_EQ("未有投票数据<div id='d260060'><button type='button' onClick=\"v('260060')\">投票</button></div>",
                  f(4603));
}

TEST(DayPillarFields, JiaziNoteAndItsVote) {
    testsupport::TempProgramDir dir;
    dir.write("dovar.dll", "[Vote]\r\n260001=81\r\n");
    chart = ChartState{};
    chart.dayPillar = 1;
    write_day_pillar_fields();
    EXPECT_GBK_EQ("甲子", f(4601));
    EXPECT_GBK_EQ(kJiaziNote, f(4602));
    EXPECT_GBK_EQ("81%<div id='d260001'><button type='button' onClick=\"v('260001')\">投票</button></div>", f(4603));
}

TEST(DayPillarFields, EachPillarGetsItsOwnNote) {
    testsupport::TempProgramDir dir;
    for (int pillar = 0; pillar < 60; ++pillar) {
        chart = ChartState{};
        chart.dayPillar = pillar;
        write_day_pillar_fields();
        EXPECT_EQ(f(4601), cycle_name(pillar));
        EXPECT_EQ(f(4602), DayPillarNotes[static_cast<std::size_t>(cycle_ordinal(pillar))]) << pillar;
        EXPECT_NE(f(4603).find(std::to_string(260000 + cycle_ordinal(pillar))), std::string::npos);
    }
}

TEST(DayPillarNotes, TableNameAndQuotedNotes) {
    EXPECT_STREQ("str_DayPillarNotes", DayPillarNotes[0]);
    EXPECT_GBK_EQ(kJiaziNote, DayPillarNotes[1]);
    EXPECT_GBK_EQ(kGuihaiNote, DayPillarNotes[60]);
}

TEST(DayPillarNotes, EveryNoteIsTwoToFiveNumberedRemarks) {
    for (int n = 1; n <= 60; ++n) {
        const std::string note = DayPillarNotes[static_cast<std::size_t>(n)];
        const std::string name = testsupport::readable(cycle_name(n));
        EXPECT_TRUE(pure_gbk(note)) << name;
        const auto remarks = remarks_of(note);
        EXPECT_GE(remarks.size(), 2u) << name;
        EXPECT_LE(remarks.size(), 5u) << name;
        for (const std::string& remark : remarks) {
            EXPECT_GE(remark.size(), 8u) << name;  // a remark says something
            EXPECT_TRUE(remark.size() >= 2 && remark.compare(remark.size() - 2, 2, "。") == 0) << name;
        }
        // Each mark once, and none beyond the last remark (a gap would hide the rest).
        for (std::size_t k = 0; k < kMarks.size(); ++k) {
            const auto first = note.find(kMarks[k]);
            EXPECT_EQ(first != std::string::npos, k < remarks.size()) << name << " mark " << k + 1;
            if (first != std::string::npos) {
                EXPECT_EQ(note.find(kMarks[k], first + 2), std::string::npos) << name;
            }
        }
    }
}

TEST(DayPillarNotes, NoNoteOrRemarkRepeated) {
    std::set<std::string> notes, remarks;
    for (int n = 1; n <= 60; ++n) {
        const std::string note = DayPillarNotes[static_cast<std::size_t>(n)];
        EXPECT_TRUE(notes.insert(note).second) << n;
        for (const std::string& remark : remarks_of(note))
            EXPECT_TRUE(remarks.insert(remark).second) << n << ": " << testsupport::readable(remark);
    }
}

TEST(DayPillarNotes, HoursNamedByPillarFitTheDayStem) {
    int named = 0;
    for (int n = 1; n <= 60; ++n) {
        const std::string note = DayPillarNotes[static_cast<std::size_t>(n)];
        for (int hour = 0; hour < 60; ++hour) {
            const std::string mention = cycle_name(hour) + "时";
            for (auto at = note.find(mention); at != std::string::npos; at = note.find(mention, at + 2)) {
                if (at % 2 != 0) continue;  // not on a character boundary
                ++named;
                EXPECT_EQ(stem_of(hour), hourStem(stem_of(n), branch_of(hour)))
                    << testsupport::readable(cycle_name(n)) << " " << testsupport::readable(mention);
            }
        }
    }
    EXPECT_GT(named, 40);
}

TEST(DayPillarNotes, TraditionalDayMarksStandOnTheirOwnPillars) {
    // 魁罡 on 庚辰 壬辰 庚戌 戊戌; 孤鸾 on 乙巳 丁巳 辛亥 戊申 甲寅 壬子 丙午 戊午.
    const std::set<int> kuigang = {17, 29, 35, 47};
    const std::set<int> guluan = {42, 54, 48, 45, 51, 49, 43, 55};
    for (int n = 1; n <= 60; ++n) {
        const std::string note = DayPillarNotes[static_cast<std::size_t>(n)];
        const std::string name = testsupport::readable(cycle_name(n));
        EXPECT_EQ(note.find(std::string("魁罡")) != std::string::npos, kuigang.count(n) == 1) << name;
        EXPECT_EQ(note.find(std::string("孤鸾")) != std::string::npos, guluan.count(n) == 1) << name;
    }
}

#include "report/temperament.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "report/report_fields.h"
#include "report/texts/day_stem_nature.h"
#include "report/votes.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

const std::string& f(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }

const char* const kHurtingBoth = "自尊心强，喜欢打抱不平，不会甜言蜜语，不善于打扮，暴躁，凡事较冲动。";
const char* const kJiazi = "相貌堂堂，敢做敢为，有机谋，敢创新。";

bool ten_god_present(int code) {
    return chart.tenGodYear == code || chart.tenGodMonth == code || chart.tenGodHour == code;
}

// Casts charts day by day through 1990 at 10:30 until `wanted` holds.
bool cast_until(const std::function<bool()>& wanted) {
    testsupport::set_options("0000");
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 28; ++day)
            for (int hour : {1, 10, 17})
                if (testsupport::cast({1990, month, day, hour, 30}) && wanted()) return true;
    return false;
}

void write_fresh() {
    clear_report_fields(0, 4999);
    write_temperament_fields();
}

// Every byte belongs to a double-byte GBK character, and no trail byte is '[',
// which the template would read as a field reference.
bool pure_gbk(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x81 || lead > 0xFE || i + 1 >= s.size()) return false;
        const auto trail = static_cast<unsigned char>(s[i + 1]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF || trail == '[') return false;
    }
    return true;
}

}  // namespace

TEST(SevenKillingsSentence, ComposedFromTheDigitsOfTheCode) {
    EXPECT_GBK_EQ("沉默寡言，有口才，有权威。性柔。", seven_killings_sentence(1010));
    EXPECT_GBK_EQ("沉默寡言，有口才，有权威。性紧。", seven_killings_sentence(1011));
    EXPECT_GBK_EQ("沉默寡言，任事混杂多样、三分钟热度。有口才，有权威。性柔。", seven_killings_sentence(1110));
    EXPECT_GBK_EQ("沉默寡言，任事混杂多样、三分钟热度。有口才，有权威。性紧。", seven_killings_sentence(1111));
}

TEST(Temperament, SevenKillingsAlwaysSpeaksOfEloquenceAndAuthority) {
    testsupport::TempProgramDir dir;
    ASSERT_TRUE(cast_until([] { return ten_god_present(4); }));
    write_fresh();
    bool found = false;
    for (int n = 4101; n <= 4110; ++n)
        found = found || f(n).find(std::string("有口才，有权威。")) != std::string::npos;
    EXPECT_TRUE(found);
}

TEST(Temperament, NoTestHoldingLeavesTheSentenceFieldsEmpty) {
    testsupport::TempProgramDir dir;
    chart = ChartState{};
    chart.dayPillar = 0;  // 癸亥
    write_fresh();
    for (int n = 4101; n <= 4110; ++n) EXPECT_TRUE(f(n).empty()) << n;
    EXPECT_GBK_EQ("癸", f(4111));
    EXPECT_GBK_EQ("水", f(4112));
    EXPECT_EQ(f(4113), DayStemNature[10]);
    EXPECT_EQ(f(4121), vote_text_and_button(210001));
    EXPECT_EQ(f(4122), vote_text_and_button(210002));
}

TEST(Temperament, HurtingOfficerWithClashAndPunishmentComesFirst) {
    testsupport::TempProgramDir dir;
    ASSERT_TRUE(cast_until([] { return ten_god_present(9) && chart.clashCount > 0 && chart.punishmentCount > 0; }));
    EXPECT_EQ(chart.hurtingOfficerFlag, 4);
    write_fresh();
    EXPECT_GBK_EQ(kHurtingBoth, f(4101));
}

TEST(Temperament, WithoutHurtingOfficerTheFirstSentenceStillStartsAt4101) {
    testsupport::TempProgramDir dir;
    chart = ChartState{};
    chart.dayPillar = 1;
    chart.harmonyRich = 1;
    chart.uniformPillars = 1;
    write_fresh();
    EXPECT_GBK_EQ("办事细心、保守、胆小，怕苦畏难。", f(4101));
    EXPECT_GBK_EQ("一生清高，不会勤劳，乐观快乐，得过且过。", f(4102));
    EXPECT_TRUE(f(4103).empty());
}

TEST(Temperament, AllTestsHoldingFillTenFieldsInOrder) {
    testsupport::TempProgramDir dir;
    chart = ChartState{};
    chart.dayPillar = 31;
    chart.hurtingOfficerFlag = 2;
    chart.clashHarmonyBalance = 1;
    chart.punishClashFlag = 1;
    chart.polarityPattern = 21;
    chart.harmonyRich = 1;
    chart.sevenKillingsPattern = 1111;
    chart.wonderOrPairFlag = 1;
    chart.jiaziJiawuDay = 1;
    chart.mixedStarsFlag = 3;
    chart.uniformPillars = 1;
    write_fresh();
    EXPECT_GBK_EQ("不会甜言蜜语，不善于打扮，暴躁，凡事较冲动。", f(4101));
    EXPECT_GBK_EQ("性格刚柔两济，紧慢不调，做事犹豫不决。", f(4102));
    EXPECT_GBK_EQ("性格耿直，凡事较冲动，说话干脆。", f(4103));
    EXPECT_GBK_EQ("女命全阳反局，一生勤劳。", f(4104));
    EXPECT_GBK_EQ("办事细心、保守、胆小，怕苦畏难。", f(4105));
    EXPECT_GBK_EQ(seven_killings_sentence(1111), f(4106));
    EXPECT_GBK_EQ("八字有格局，慈善好施，聪慧有智，才学堪夸，名声显达。", f(4107));
    EXPECT_GBK_EQ(kJiazi, f(4108));
    EXPECT_GBK_EQ("勤劳好学，自食其乐，凡事带头，不畏权贵。", f(4109));
    EXPECT_GBK_EQ("一生清高，不会勤劳，乐观快乐，得过且过。", f(4110));
    EXPECT_GBK_EQ("甲", f(4111));
}

TEST(Temperament, PolaritySentencesBySexAndPolarity) {
    ChartState c;
    c.polarityPattern = 11;
    EXPECT_GBK_EQ("男命全阳正局，聪明能干，敢做敢当，出类拔萃。", temperament_sentences(c).at(0));
    c.polarityPattern = 22;
    EXPECT_GBK_EQ("女命全阴正局，聪明能干，敢做敢当，出类拔萃。", temperament_sentences(c).at(0));
    c.polarityPattern = 12;
    EXPECT_GBK_EQ("男命全阴反局，一生勤劳。", temperament_sentences(c).at(0));
}

TEST(Temperament, JiaziAndJiawuDaysButNoOtherJiaDay) {
    testsupport::TempProgramDir dir;
    for (int pillar : {1, 31}) {
        ASSERT_TRUE(cast_until([pillar] { return chart.dayPillar == pillar; })) << pillar;
        EXPECT_EQ(chart.jiaziJiawuDay, 1);
        const auto s = temperament_sentences(chart);
        EXPECT_NE(std::find(s.begin(), s.end(), std::string(kJiazi)), s.end()) << pillar;
    }
    ASSERT_TRUE(cast_until([] { return chart.dayPillar == 11; }));  // 甲戌
    EXPECT_EQ(chart.jiaziJiawuDay, 0);
    const auto s = temperament_sentences(chart);
    EXPECT_EQ(std::find(s.begin(), s.end(), std::string(kJiazi)), s.end());
}

TEST(Temperament, DayMasterStemElementAndNature) {
    testsupport::TempProgramDir dir;
    const char* stems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    const char* elements[] = {"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
    for (int pillar = 0; pillar < 60; pillar += 7) {
        chart = ChartState{};
        chart.dayPillar = pillar;
        write_fresh();
        const int stem = stem_of(pillar);
        EXPECT_GBK_EQ(stems[stem - 1], f(4111));
        EXPECT_GBK_EQ(elements[stem - 1], f(4112));
        EXPECT_EQ(f(4113), DayStemNature[static_cast<std::size_t>(stem)]);
    }
}

TEST(Temperament, VoteFieldsReadTheVoteFile) {
    testsupport::TempProgramDir dir;
    dir.write("dovar.dll", "[Vote]\r\n210002=57\r\n");
    chart = ChartState{};
    write_fresh();
    EXPECT_GBK_EQ("未有投票数据<div id='d210001'><button type='button' onClick=\"v('210001')\">投票</button></div>",
                  f(4121));
    EXPECT_GBK_EQ("57%<div id='d210002'><button type='button' onClick=\"v('210002')\">投票</button></div>", f(4122));
}

TEST(DayStemNature, QuotedParagraphsExact) {
    EXPECT_STREQ("str_DayStemNature", DayStemNature[0]);
    EXPECT_GBK_EQ("上进、积极，是天生的领导人才、国家社会有用的栋梁，性最耿直。元首、统帅、董事长等人物甲日生者甚多。"
                  "喜：庚（取贵）、亥（取寿）、辰（化为青龙）、戌（化为禄堂）。忌：癸（侵蚀）、午（消减）。",
                  DayStemNature[1]);
    EXPECT_GBK_EQ("敏锐，能燃烧自己贡献别人，内才优异，能做精密细致之工作，很多悲剧人物出生于丁日。"
                  "喜：乙（加油、持续）、酉、亥（光辉、取贵）。忌：丙、巳（争夺，挫志）。",
                  DayStemNature[4]);
}

TEST(DayStemNature, EveryParagraphIsAPortraitThenLikesThenDislikes) {
    for (int stem = 1; stem <= 10; ++stem) {
        const std::string text = DayStemNature[static_cast<std::size_t>(stem)];
        const auto likes = text.find(std::string("喜："));
        const auto dislikes = text.find(std::string("忌："));
        ASSERT_NE(likes, std::string::npos) << stem;
        ASSERT_NE(dislikes, std::string::npos) << stem;
        EXPECT_GT(likes, 40u) << stem;  // a portrait comes first
        EXPECT_LT(likes, dislikes) << stem;
        EXPECT_TRUE(pure_gbk(text)) << stem;
        for (int other = 1; other < stem; ++other)
            EXPECT_NE(text, DayStemNature[static_cast<std::size_t>(other)]) << stem << " " << other;
    }
}

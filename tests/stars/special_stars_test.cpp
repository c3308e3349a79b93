// 四柱神煞 — the special rules one by one on charts set up by hand, the list of stars found,
// the stars of a passing branch, the guards, and three cast charts read against the classical
// tables.
#include "report/special_star_fields.h"
#include "stars/special_stars.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/chart_state.h"
#include "engine/compute_chart.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "platform/message.h"
#include "report/report_fields.h"
#include "stars/nayin_element.h"
#include "stars/shensha_descriptions.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/pillars.h"

using namespace orvane;

namespace {

// Position codes and source codes, named for the reader.
enum Position { Y = 11, YG = 12, YZ = 13, M = 21, MG = 22, MZ = 23, D = 31, DG = 32, DZ = 33, T = 41, TG = 42, TZ = 43 };
enum Source { YearStem = 12, YearBranch = 13, MonthBranch = 23, DayStem = 32, DayBranch = 33 };

using testsupport::pillar_named;

// A chart of four pillars alone; the hour branch is the birth's two-hour period.
void set_pillars(const char* year, const char* month, const char* day, const char* hour, bool male = true) {
    chart = ChartState{};
    chart.yearPillar = pillar_named(year);
    chart.monthPillar = pillar_named(month);
    chart.dayPillar = pillar_named(day);
    chart.hourPillar = pillar_named(hour);
    split_pillars();
    chart.hourBranchNo = chart.hourBranch;
    chart.sexFlag = male ? 1 : 0;
}

void set_hour(const char* hour) {
    chart.hourPillar = pillar_named(hour);
    chart.hourStem = stem_of(chart.hourPillar);
    chart.hourBranch = branch_of(chart.hourPillar);
    chart.hourBranchNo = chart.hourBranch;
}

// The star names of a cell, which separates them by two blanks.
std::vector<std::string> names_in(const std::string& cell) {
    std::vector<std::string> names;
    std::size_t from = 0;
    while (from < cell.size()) {
        const std::size_t end = cell.find("  ", from);
        names.push_back(cell.substr(from, end - from));
        if (end == std::string::npos) break;
        from = end + 2;
    }
    return names;
}

int count_of(const std::string& cell, const std::string& name) {
    int n = 0;
    for (const std::string& each : names_in(cell)) n += each == name ? 1 : 0;
    return n;
}

::testing::AssertionResult Carries(const std::string& cell, const char* name) {
    if (count_of(cell, name) > 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cell \"" << testsupport::readable(cell) << "\" lacks "
                                         << testsupport::readable(name);
}

::testing::AssertionResult Lacks(const std::string& cell, const char* name) {
    if (count_of(cell, name) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cell \"" << testsupport::readable(cell) << "\" carries "
                                         << testsupport::readable(name);
}

// The cell a full evaluation wrote for a position and a source.
const std::string& cell_field(int position, int source) {
    int p = 0, s = 0;
    while (StarPositions[static_cast<std::size_t>(p)] != position) ++p;
    while (StarSources[static_cast<std::size_t>(s)] != source) ++s;
    return ReportFieldTable[static_cast<std::size_t>(star_cell_field(p, s))];
}

std::string cell(int position, int source) { return EvaluateStarGroup(source, position); }

void evaluate_fresh() {
    ReportFieldTable[kStarListField].clear();
    EvaluateSpecialStars();
}

}  // namespace

// ---- the table rule ------------------------------------------------------------------------

TEST(GenericRule, GuiHaiStoredAsZeroMatchesTheTableValue60) {
    // 十恶大败 of the 子 month falls on the year pillar 癸亥.
    set_pillars("癸亥", "甲子", "甲子", "甲子");
    EXPECT_TRUE(Carries(cell(Y, MonthBranch), "十恶大败"));
    set_pillars("壬戌", "甲子", "甲子", "甲子");
    EXPECT_TRUE(Lacks(cell(Y, MonthBranch), "十恶大败"));
}

TEST(GenericRule, EveryRowOfAKeyIsItsOwnMatch) {
    // 太极贵人 of a 甲 year stands on both 子 and 午.
    set_pillars("甲子", "庚午", "丙寅", "丙寅");
    EXPECT_TRUE(Carries(cell(YZ, YearStem), "太极贵人"));
    EXPECT_TRUE(Carries(cell(MZ, YearStem), "太极贵人"));
    EXPECT_TRUE(Lacks(cell(DZ, YearStem), "太极贵人"));
    // Each kind of position compares its own column: 岁德 of 甲 is the stem 甲, not a branch.
    EXPECT_TRUE(Carries(cell(YG, YearStem), "岁德"));
    EXPECT_TRUE(Lacks(cell(MG, YearStem), "岁德"));
}

TEST(GenericRule, AStarIsLookedForOnlyAtItsPositions) {
    // 驿马 of a 子 year is 寅, looked for on the month and day branches only.
    set_pillars("甲子", "甲子", "甲子", "丙寅");
    EXPECT_TRUE(Lacks(cell(TZ, YearBranch), "驿马"));
    set_pillars("甲子", "甲子", "丙寅", "甲子");
    EXPECT_TRUE(Carries(cell(DZ, YearBranch), "驿马"));
}

// ---- the special rules -------------------------------------------------------------------

TEST(SpecialRule, TianYiByDayHoursAndYuTangByNightHours) {
    // 甲 year: 天乙 on 未 by day, 玉堂 on 丑 by night.
    set_pillars("甲子", "辛未", "乙丑", "丙寅");
    EXPECT_TRUE(Carries(cell(MZ, YearStem), "天乙"));
    EXPECT_TRUE(Lacks(cell(DZ, YearStem), "玉堂"));
    for (const char* dayHour : {"壬申", "丙寅"}) {  // 申 and 寅 are the ends of the day
        set_hour(dayHour);
        EXPECT_TRUE(Carries(cell(MZ, YearStem), "天乙"));
        EXPECT_TRUE(Lacks(cell(DZ, YearStem), "玉堂"));
    }
    for (const char* nightHour : {"甲子", "乙丑", "癸酉", "乙亥"}) {
        set_hour(nightHour);
        EXPECT_TRUE(Lacks(cell(MZ, YearStem), "天乙"));
        EXPECT_TRUE(Carries(cell(DZ, YearStem), "玉堂"));
    }
}

TEST(SpecialRule, TianMaFollowsTheLifePalaceBranch) {
    set_pillars("甲子", "庚午", "乙未", "丙寅");
    chart.lifePalace = pillar_named("丙子");  // 子 palace, 甲 year: 午
    EXPECT_TRUE(Carries(cell(MZ, YearStem), "天马"));
    EXPECT_TRUE(Lacks(cell(DZ, YearStem), "天马"));
    chart.lifePalace = pillar_named("丁丑");  // 丑 palace, 甲 year: 未
    EXPECT_TRUE(Lacks(cell(MZ, YearStem), "天马"));
    EXPECT_TRUE(Carries(cell(DZ, YearStem), "天马"));
    chart.lifePalace = 0;  // 癸亥 palace reads branch 12: 甲 year gives 辰, not in the chart
    for (int p : {YZ, MZ, DZ, TZ}) EXPECT_TRUE(Lacks(cell(p, YearStem), "天马"));
}

TEST(SpecialRule, YuanChenByPolarityOfYearAndSex) {
    // 子 year: 阳男阴女 count to 未, 阴男阳女 to 巳.
    set_pillars("甲子", "辛未", "己巳", "丙寅", true);  // yang year, man
    EXPECT_TRUE(Carries(cell(MZ, YearBranch), "元辰"));
    EXPECT_TRUE(Lacks(cell(DZ, YearBranch), "元辰"));
    set_pillars("甲子", "辛未", "己巳", "丙寅", false);  // yang year, woman
    EXPECT_TRUE(Lacks(cell(MZ, YearBranch), "元辰"));
    EXPECT_TRUE(Carries(cell(DZ, YearBranch), "元辰"));
    // 丑 year: 阴男阳女 to 午, 阳男阴女 to 申.
    set_pillars("乙丑", "壬午", "壬申", "丙寅", true);  // yin year, man
    EXPECT_TRUE(Carries(cell(MZ, YearBranch), "元辰"));
    EXPECT_TRUE(Lacks(cell(DZ, YearBranch), "元辰"));
    set_pillars("乙丑", "壬午", "壬申", "丙寅", false);  // yin year, woman
    EXPECT_TRUE(Lacks(cell(MZ, YearBranch), "元辰"));
    EXPECT_TRUE(Carries(cell(DZ, YearBranch), "元辰"));
}

TEST(SpecialRule, GouJiaoTakesTheForwardBranchOnlyWhenBothAreThere) {
    // 子 year: A = 卯 (three on), B = 酉 (three back).
    set_pillars("甲子", "丁卯", "己酉", "丙寅");
    EXPECT_TRUE(Carries(cell(MZ, YearBranch), "勾绞"));
    EXPECT_TRUE(Carries(cell(DZ, YearBranch), "勾绞"));
    set_pillars("甲子", "丁卯", "庚午", "丙寅");  // 卯 without 酉
    for (int p : {MZ, DZ, TZ}) EXPECT_TRUE(Lacks(cell(p, YearBranch), "勾绞"));
    set_pillars("甲子", "丙寅", "庚午", "癸酉");  // 酉 alone
    EXPECT_TRUE(Carries(cell(TZ, YearBranch), "勾绞"));
    // 亥 year: A = 寅, B = 申, taken modulo 12.
    set_pillars("癸亥", "甲寅", "庚申", "丙子");
    EXPECT_TRUE(Carries(cell(MZ, YearBranch), "勾绞"));
    EXPECT_TRUE(Carries(cell(DZ, YearBranch), "勾绞"));
    // 酉 year: A = 子 (13 wraps to 1), B = 午; every position holding either carries it.
    set_pillars("丁酉", "壬子", "庚午", "丙子");
    for (int p : {MZ, DZ, TZ}) EXPECT_TRUE(Carries(cell(p, YearBranch), "勾绞"));
}

TEST(SpecialRule, LuMaJiaoChiNeedsTheHourStemOfItsRow) {
    // 子 year: 甲 hour with 寅.
    set_pillars("甲子", "丙寅", "庚午", "甲子");
    EXPECT_TRUE(Carries(cell(MZ, YearBranch), "禄马交驰"));
    set_hour("乙丑");
    EXPECT_TRUE(Lacks(cell(MZ, YearBranch), "禄马交驰"));
    // 卯 year has two rows, 丙 and 戊 hours, both with 巳: each hour finds it once.
    for (const char* hour : {"丙子", "戊午"}) {
        set_pillars("丁卯", "丙寅", "己巳", hour);
        EXPECT_EQ(count_of(cell(DZ, YearBranch), "禄马交驰"), 1) << testsupport::readable(hour);
    }
    set_pillars("丁卯", "丙寅", "己巳", "庚午");
    EXPECT_TRUE(Lacks(cell(DZ, YearBranch), "禄马交驰"));
}

TEST(SpecialRule, SoundElementStarsFollowTheYearPillarsNayin) {
    // 丙子 涧下水 is water: 词馆 on 癸亥, which is stored as 0 and written 60 in the table.
    set_pillars("丙子", "庚寅", "癸亥", "甲子");
    EXPECT_TRUE(Carries(cell(D, YearBranch), "词馆"));
    // 甲子 海中金 is metal: 词馆 on 壬申, 白虎胎神 on 丁卯 (a whole pillar, day or hour).
    set_pillars("甲子", "庚寅", "癸亥", "丁卯");
    EXPECT_TRUE(Lacks(cell(D, YearBranch), "词馆"));
    EXPECT_TRUE(Carries(cell(T, YearBranch), "白虎胎神"));
    set_pillars("甲子", "庚寅", "壬申", "丁卯");
    EXPECT_TRUE(Carries(cell(D, YearBranch), "词馆"));
    // 学堂 of metal is 辛巳; its own position list includes the month.
    set_pillars("甲子", "辛巳", "壬申", "丁卯");
    EXPECT_TRUE(Carries(cell(M, YearBranch), "学堂"));
    // 白虎胎神 240 looks only at the day and the hour.
    set_pillars("甲子", "丁卯", "壬申", "甲子");
    EXPECT_TRUE(Lacks(cell(M, YearBranch), "白虎胎神"));
}

TEST(SpecialRule, NayinElementOfTheThirtyPairs) {
    EXPECT_EQ(NayinElement(1), 4);   // 甲子 海中金
    EXPECT_EQ(NayinElement(2), 4);   // 乙丑
    EXPECT_EQ(NayinElement(3), 2);   // 丙寅 炉中火
    EXPECT_EQ(NayinElement(5), 1);   // 戊辰 大林木
    EXPECT_EQ(NayinElement(7), 3);   // 庚午 路旁土
    EXPECT_EQ(NayinElement(13), 5);  // 丙子 涧下水
    EXPECT_EQ(NayinElement(0), 5);   // 癸亥 大海水
    EXPECT_EQ(NayinElement(59), 5);  // 壬戌 大海水
    // Every pair of the cycle shares one element, and the element is the last character of
    // the sound element's name.
    for (int n = 1; n < 60; n += 2) EXPECT_EQ(NayinElement(n), NayinElement(n + 1)) << n;
    for (int n = 0; n < 60; ++n) {
        const std::string name = NayinNames[static_cast<std::size_t>(nayin_code(n))];
        EXPECT_EQ(name.substr(name.size() - 2), ElementNames[static_cast<std::size_t>(NayinElement(n))]) << n;
    }
}

TEST(SpecialRule, NayinElementTakesAnyIntegerModulo60) {
    EXPECT_EQ(NayinElement(-1), NayinElement(59));
    EXPECT_EQ(NayinElement(60), NayinElement(0));
    EXPECT_EQ(NayinElement(121), NayinElement(1));
    for (int n : {INT_MIN, INT_MIN + 1, -61, INT_MAX}) {
        EXPECT_GE(NayinElement(n), 1) << n;
        EXPECT_LE(NayinElement(n), 5) << n;
    }
}

TEST(SpecialRule, YueJiangOnlyWhenTheLifePalaceIsShifted) {
    // 寅 month: 月将 on 亥 (the month's six-harmony partner).
    set_pillars("甲子", "丙寅", "乙亥", "丙子");
    chart.lifePalaceShift = 0;
    EXPECT_TRUE(Lacks(cell(DZ, MonthBranch), "月将"));
    chart.lifePalaceShift = 1;
    EXPECT_TRUE(Carries(cell(DZ, MonthBranch), "月将"));
    set_pillars("甲子", "丙寅", "丙子", "乙亥");
    chart.lifePalaceShift = 1;
    EXPECT_TRUE(Lacks(cell(DZ, MonthBranch), "月将"));
}

TEST(SpecialRule, BingXiaoWaJieByMonthForMenAndByYearTriadForWomen) {
    // A man: the 子 month breaks 酉, found on the year branch only.
    set_pillars("乙酉", "丙子", "乙酉", "丙子", true);
    EXPECT_TRUE(Carries(cell(YZ, MonthBranch), "冰消瓦解(破月)"));
    set_pillars("乙酉", "丁丑", "乙酉", "丙子", true);  // the 丑 month breaks 辰
    EXPECT_TRUE(Lacks(cell(YZ, MonthBranch), "冰消瓦解(破月)"));
    // A woman: only the month against the year's triad counts; the year branch is not compared.
    set_pillars("己卯", "丙寅", "甲子", "甲子", false);  // 亥卯未 year, 寅 month
    EXPECT_TRUE(Carries(cell(YZ, MonthBranch), "冰消瓦解(破月)"));
    set_pillars("己卯", "丁卯", "甲子", "甲子", false);
    EXPECT_TRUE(Lacks(cell(YZ, MonthBranch), "冰消瓦解(破月)"));
    set_pillars("甲子", "辛未", "甲子", "甲子", false);  // 申子辰 year, 未 month
    EXPECT_TRUE(Carries(cell(YZ, MonthBranch), "冰消瓦解(破月)"));
    set_pillars("乙酉", "辛巳", "甲子", "甲子", false);  // 巳酉丑 year, 巳 month
    EXPECT_TRUE(Carries(cell(YZ, MonthBranch), "冰消瓦解(破月)"));
    set_pillars("丙午", "壬辰", "甲子", "甲子", false);  // 寅午戌 year, 辰 month
    EXPECT_TRUE(Carries(cell(YZ, MonthBranch), "冰消瓦解(破月)"));
    // The man of that last chart: 辰 month breaks 丑, not the 午 year.
    chart.sexFlag = 1;
    EXPECT_TRUE(Lacks(cell(YZ, MonthBranch), "冰消瓦解(破月)"));
}

TEST(SpecialRule, DiSaoXingPairsDayAndHourStemsByTheMonth) {
    // 子丑寅 months: 丙 with 丁, either way round; found on the day stem and the hour stem.
    set_pillars("甲子", "丙子", "丙寅", "丁酉");
    EXPECT_TRUE(Carries(cell(DG, MonthBranch), "地扫星"));
    EXPECT_TRUE(Carries(cell(TG, MonthBranch), "地扫星"));
    set_pillars("甲子", "丙寅", "丁卯", "丙午");
    EXPECT_TRUE(Carries(cell(DG, MonthBranch), "地扫星"));
    set_pillars("甲子", "丙子", "丙寅", "丙申");
    EXPECT_TRUE(Lacks(cell(DG, MonthBranch), "地扫星"));
    // 卯辰巳 months: wood with earth.
    set_pillars("甲子", "丁卯", "甲子", "己巳");
    EXPECT_TRUE(Carries(cell(TG, MonthBranch), "地扫星"));
    set_pillars("甲子", "己巳", "戊辰", "乙卯");
    EXPECT_TRUE(Carries(cell(TG, MonthBranch), "地扫星"));
    set_pillars("甲子", "丁卯", "甲子", "乙丑");
    EXPECT_TRUE(Lacks(cell(TG, MonthBranch), "地扫星"));
    // 午未申 months: 庚 with 辛; 酉戌亥 months: 壬 with 癸 (亥 is month pillar mod 12 = 0).
    set_pillars("甲子", "壬申", "辛巳", "庚寅");
    EXPECT_TRUE(Carries(cell(DG, MonthBranch), "地扫星"));
    set_pillars("甲子", "乙亥", "壬子", "癸卯");
    EXPECT_TRUE(Carries(cell(DG, MonthBranch), "地扫星"));
    set_pillars("甲子", "乙亥", "庚子", "辛巳");  // 庚辛 belong to the 午未申 months
    EXPECT_TRUE(Lacks(cell(DG, MonthBranch), "地扫星"));
}

TEST(SpecialRule, YangJiRiOnItsTwelveLunarDaysNeverInALeapMonth) {
    set_pillars("甲子", "丙寅", "甲子", "甲子");
    const int dayOfMonth[13] = {0, 13, 11, 9, 7, 5, 3, 1, 27, 25, 23, 21, 19};
    for (int m = 1; m <= 12; ++m) {
        chart.lunarMonthCode = m;
        chart.lunarDay = dayOfMonth[m];
        EXPECT_TRUE(Carries(cell(DZ, MonthBranch), "杨忌日")) << m;
        chart.lunarDay = dayOfMonth[m] + 1;
        EXPECT_TRUE(Lacks(cell(DZ, MonthBranch), "杨忌日")) << m;
        chart.lunarMonthCode = m + 20;  // the leap month of the same number
        chart.lunarDay = dayOfMonth[m];
        EXPECT_TRUE(Lacks(cell(DZ, MonthBranch), "杨忌日")) << m;
    }
}

TEST(SpecialRule, TianYiGuiRenSplitsDayAndNightHours) {
    // 甲 day: 未 by day, 丑 by night.
    set_pillars("乙丑", "辛未", "甲子", "丙寅");
    for (const char* dayHour : {"丙寅", "庚午", "壬申"}) {
        set_hour(dayHour);
        EXPECT_TRUE(Carries(cell(MZ, DayStem), "天乙贵人"));
        EXPECT_TRUE(Lacks(cell(YZ, DayStem), "天乙贵人"));
    }
    for (const char* nightHour : {"甲子", "乙丑", "癸酉", "甲戌", "乙亥"}) {
        set_hour(nightHour);
        EXPECT_TRUE(Lacks(cell(MZ, DayStem), "天乙贵人"));
        EXPECT_TRUE(Carries(cell(YZ, DayStem), "天乙贵人"));
    }
}

TEST(SpecialRule, FuDeXiuQiNeedsAYinDayAndAllOfSiYouChou) {
    set_pillars("辛巳", "丁酉", "乙丑", "丙子");
    EXPECT_TRUE(Carries(cell(YZ, DayStem), "福德秀气"));
    EXPECT_TRUE(Carries(cell(MZ, DayStem), "福德秀气"));
    EXPECT_TRUE(Carries(cell(DZ, DayStem), "福德秀气"));
    EXPECT_TRUE(Lacks(cell(TZ, DayStem), "福德秀气"));  // 子 is none of the three
    set_pillars("辛巳", "戊戌", "乙丑", "丙子");         // no 酉
    for (int p : {YZ, MZ, DZ, TZ}) EXPECT_TRUE(Lacks(cell(p, DayStem), "福德秀气"));
    set_pillars("辛巳", "丁酉", "丙寅", "己丑");  // a yang day
    for (int p : {YZ, MZ, DZ, TZ}) EXPECT_TRUE(Lacks(cell(p, DayStem), "福德秀气"));
}

TEST(SpecialRule, JinShenFamilyWritesItsOwnNameAndFlags414) {
    struct Case {
        const char* day;
        const char* name;
    };
    const Case cases[] = {{"甲子", "进神"}, {"己酉", "进神"}, {"丙午", "交神"}, {"辛卯", "交神"},
                          {"戊申", "伏神"}, {"癸亥", "伏神"}, {"丁未", "退神"}, {"壬戌", "退神"}};
    for (const Case& c : cases) {
        set_pillars("甲子", "丙寅", c.day, "甲子");
        StarFound.fill(false);
        const std::string dayBranchCell = cell(DZ, DayStem);
        for (const char* name : {"进神", "交神", "伏神", "退神"}) {
            if (std::string(name) == c.name)
                EXPECT_EQ(count_of(dayBranchCell, name), 1) << testsupport::readable(c.day);
            else
                EXPECT_TRUE(Lacks(dayBranchCell, name));
        }
        EXPECT_TRUE(StarFound[414]) << testsupport::readable(c.day);
    }
    set_pillars("甲子", "丙寅", "乙丑", "甲子");
    StarFound.fill(false);
    EXPECT_TRUE(Lacks(cell(DZ, DayStem), "进神"));
    EXPECT_FALSE(StarFound[414]);
    // The list shows the family under 414 with the name 进神.
    set_pillars("甲子", "丙寅", "癸亥", "甲子");
    evaluate_fresh();
    EXPECT_NE(ReportFieldTable[kStarListField].find("★414进神："), std::string::npos);
}

TEST(SpecialRule, FengYunQingHuiByDayStemAndByDayBranch) {
    // Lunar days 1-3 ask for 甲 (442) and 寅 (504).
    set_pillars("甲子", "丙寅", "甲寅", "甲子");
    chart.lunarDay = 2;
    EXPECT_TRUE(Carries(cell(D, DayStem), "风云庆会"));
    EXPECT_TRUE(Carries(cell(D, DayBranch), "风云庆会"));
    chart.lunarDay = 4;  // days 4-6: 乙 and 卯
    EXPECT_TRUE(Lacks(cell(D, DayStem), "风云庆会"));
    EXPECT_TRUE(Lacks(cell(D, DayBranch), "风云庆会"));
    set_pillars("甲子", "丙寅", "乙卯", "甲子");
    chart.lunarDay = 6;
    EXPECT_TRUE(Carries(cell(D, DayStem), "风云庆会"));
    EXPECT_TRUE(Carries(cell(D, DayBranch), "风云庆会"));
    // Days 13-15 ask for 戊 and 巳: a 己巳 day has the branch only.
    set_pillars("甲子", "丙寅", "己巳", "甲子");
    chart.lunarDay = 14;
    EXPECT_TRUE(Lacks(cell(D, DayStem), "风云庆会"));
    EXPECT_TRUE(Carries(cell(D, DayBranch), "风云庆会"));
    // Days 28-30 ask for 癸 and 子.
    set_pillars("甲子", "丙寅", "癸亥", "甲子");
    chart.lunarDay = 30;
    EXPECT_TRUE(Carries(cell(D, DayStem), "风云庆会"));
    EXPECT_TRUE(Lacks(cell(D, DayBranch), "风云庆会"));
}

TEST(SpecialRule, StarsWithoutAUsableRuleAreNeverFound) {
    // 228 浮沉杀, 338 月官杀, 402 天厨食禄 have no rule, 307 注受 and 383 赤口日 no position,
    // 342 天合 no rule rows: whatever the chart, none of them is found.
    for (int n = 0; n < 60; ++n) {
        set_pillars(CycleNames[static_cast<std::size_t>(n)], CycleNames[static_cast<std::size_t>((n * 7 + 3) % 60)],
                   CycleNames[static_cast<std::size_t>((n * 11 + 5) % 60)],
                   CycleNames[static_cast<std::size_t>((n * 13 + 1) % 60)], n % 2 == 0);
        evaluate_fresh();
        for (int star : {228, 307, 338, 342, 383, 402}) EXPECT_FALSE(StarFound[static_cast<std::size_t>(star)]) << star;
    }
}

// ---- the cells and the list ---------------------------------------------------------------

TEST(StarList, AStarFoundAtSeveralPositionsIsWrittenInEachCellAndListedOnce) {
    // 丁 year: 天乙 on 亥, here the year, month and day branches; 午 hour is a day hour.
    set_pillars("丁亥", "辛亥", "己亥", "丙午");
    evaluate_fresh();
    for (int p : {YZ, MZ, DZ}) EXPECT_TRUE(Carries(cell_field(p, YearStem), "天乙"));
    const std::string& list = ReportFieldTable[kStarListField];
    const ShenShaSMRow* tianYi = find_star_description(101);
    ASSERT_NE(tianYi, nullptr);
    const std::string line = std::string("★101天乙：") + tianYi->SM + "<br>";
    EXPECT_EQ(list.find(line), 0u) << testsupport::readable(list);
    EXPECT_EQ(list.find("★101", 1), std::string::npos);
}

TEST(StarList, LinesAscendWithOneEmptyLineBetweenGroups) {
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));
    evaluate_fresh();
    const std::string& list = ReportFieldTable[kStarListField];
    ASSERT_EQ(list.rfind("<br>"), list.size() - 4);
    // Split into lines at every "<br>": star lines, and empty lines where a group begins.
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < list.size();) {
        const std::size_t end = list.find("<br>", from);
        lines.push_back(list.substr(from, end - from));
        from = end + 4;
    }
    int previous = 0, listed = 0;
    bool separated = false;
    for (const std::string& line : lines) {
        if (line.empty()) {
            EXPECT_FALSE(separated) << "two empty lines in a row";
            EXPECT_NE(previous, 0) << "an empty line before the first star";
            separated = true;
            continue;
        }
        ASSERT_EQ(line.rfind("★", 0), 0u) << testsupport::readable(line);
        const int n = std::stoi(line.substr(2, 3));
        EXPECT_GT(n, previous);
        EXPECT_TRUE(StarFound[static_cast<std::size_t>(n)]) << n;
        EXPECT_EQ(separated, previous != 0 && n / 100 != previous / 100) << n;
        const ShenShaSMRow* row = find_star_description(n);
        ASSERT_NE(row, nullptr);
        EXPECT_GBK_EQ(std::string("★") + std::to_string(n) + row->Name + "：" + row->SM, line);
        previous = n;
        separated = false;
        ++listed;
    }
    int flagged = 0;
    for (bool found : StarFound) flagged += found ? 1 : 0;
    EXPECT_EQ(listed, flagged);
    EXPECT_GT(listed, 10);
}

TEST(StarList, EvaluationReplacesCellsAndAppendsTheList) {
    set_pillars("丁亥", "辛亥", "己亥", "丙午");
    for (int f = 801; f <= 860; ++f) ReportFieldTable[static_cast<std::size_t>(f)] = "old";
    ReportFieldTable[kStarListField] = "head:";
    EvaluateSpecialStars();
    for (int f = 801; f <= 860; ++f) EXPECT_NE(ReportFieldTable[static_cast<std::size_t>(f)], "old") << f;
    EXPECT_EQ(ReportFieldTable[kStarListField].rfind("head:★101", 0), 0u);
    // Flags of the previous chart do not survive.
    StarFound[383] = true;
    evaluate_fresh();
    EXPECT_FALSE(StarFound[383]);
}

TEST(StarList, CellLayoutRunsSourcesWithinPositions) {
    EXPECT_EQ(star_cell_field(0, 0), 801);   // year pillar, year stem source
    EXPECT_EQ(star_cell_field(0, 4), 805);   // year pillar, day branch source
    EXPECT_EQ(star_cell_field(1, 0), 806);   // year stem, year stem source
    EXPECT_EQ(star_cell_field(11, 4), 860);  // hour branch, day branch source
    set_pillars("丁亥", "辛亥", "己亥", "丙午");
    evaluate_fresh();
    EXPECT_EQ(ReportFieldTable[811], EvaluateStarGroup(12, 13));  // year branch, year stem source
    EXPECT_EQ(ReportFieldTable[858], EvaluateStarGroup(23, 43));  // hour branch, month branch source
}

// ---- guards -------------------------------------------------------------------------------

TEST(SpecialStarGuards, UnknownSourceOrPositionShowsItsMessageAndLeavesTheCellEmpty) {
    set_pillars("丁亥", "辛亥", "己亥", "丙午");
    platform::MessageRecorder recorder;
    EXPECT_EQ(EvaluateStarGroup(14, 13), "");
    EXPECT_EQ(EvaluateStarGroup(12, 14), "");
    EXPECT_EQ(EvaluateStarGroup(12, 51), "");
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_GBK_EQ("神煞错Main", recorder.messages[0]);
    EXPECT_GBK_EQ("神煞错Jian", recorder.messages[1]);
    EXPECT_GBK_EQ("神煞错Jian", recorder.messages[2]);
}

TEST(SpecialStarGuards, TianYiAtAPositionOfUnknownKindMatchesNothing) {
    set_pillars("丁亥", "辛亥", "己亥", "丙午");  // by day: 天乙 is looked for
    platform::MessageRecorder recorder;
    EXPECT_EQ(EvaluateSpecialRule(101, 12, 34, chart.yearStem, 12), "");
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("神煞错Jian toobig", recorder.messages[0]);
}

TEST(SpecialStarGuards, ARealChartRaisesNoMessage) {
    platform::MessageRecorder recorder;
    for (int n = 0; n < 60; n += 7) {
        set_pillars(CycleNames[static_cast<std::size_t>(n)], "丙寅", CycleNames[static_cast<std::size_t>((n + 17) % 60)],
                   "甲子");
        evaluate_fresh();
    }
    EXPECT_TRUE(recorder.messages.empty());
}

// ---- stars of a passing branch ------------------------------------------------------------

TEST(PassingBranch, HaiBranchMatchesTheTableValue12) {
    // 酉 year: 丧门 on 亥; 甲 day: 五鬼空亡 on 戌 and 亥 (its second row), 日天赦 on 亥.
    // The 午 month's stars of a passing branch (血忌 卯, 血支 巳, 三坵 辰, 五墓 戌, 雷霆 寅戌) miss 亥.
    set_pillars("乙酉", "壬午", "甲子", "甲子");
    EXPECT_GBK_EQ("丧门 五鬼空亡 日天赦 ", StarsOfPassingBranch(0));  // 癸亥
    EXPECT_EQ(StarsOfPassingBranch(12), StarsOfPassingBranch(0));      // 乙亥
    // 戌: 五鬼空亡 by its first row, 五墓 and 雷霆杀1 of the 午 month; in table order.
    EXPECT_GBK_EQ("五墓 雷霆杀1 五鬼空亡 ", StarsOfPassingBranch(11));
}

TEST(PassingBranch, AnyCycleNumberReadsOnlyItsBranch) {
    set_pillars("乙酉", "壬午", "甲子", "甲子");
    EXPECT_EQ(StarsOfPassingBranch(-1), StarsOfPassingBranch(59));
    EXPECT_EQ(StarsOfPassingBranch(-12), StarsOfPassingBranch(0));
    EXPECT_EQ(StarsOfPassingBranch(1000000), StarsOfPassingBranch(1000000 % 12));
    EXPECT_EQ(StarsOfPassingBranch(INT_MIN), StarsOfPassingBranch(wrap(INT_MIN, 12)));
    EXPECT_EQ(StarsOfPassingBranch(INT_MAX), StarsOfPassingBranch(wrap(INT_MAX, 12)));
}

TEST(PassingBranch, KeptTextsFollowTheChart) {
    // The twelve texts are made once per chart: another chart must not read the last one's.
    const auto all = [] {
        std::array<std::string, 12> texts;
        for (int b = 0; b < 12; ++b) texts[static_cast<size_t>(b)] = StarsOfPassingBranch(b);
        return texts;
    };
    set_pillars("乙酉", "壬午", "甲子", "甲子");
    const auto first = all();
    set_pillars("乙酉", "壬午", "丁卯", "甲子");  // another day stem and branch only
    const auto other = all();
    EXPECT_NE(first, other);
    EXPECT_EQ(StarsOfPassingBranch(0), other[0]);
    set_pillars("乙酉", "壬午", "甲子", "甲子");
    EXPECT_EQ(all(), first);
    EXPECT_GBK_EQ("丧门 五鬼空亡 日天赦 ", first[0]);
}

TEST(PassingBranch, LeavesFlagsAndCellsAlone) {
    set_pillars("乙酉", "壬午", "甲子", "甲子");
    StarFound.fill(false);
    ReportFieldTable[801] = "kept";
    for (int c = 0; c < 60; ++c) StarsOfPassingBranch(c);
    for (bool found : StarFound) EXPECT_FALSE(found);
    EXPECT_EQ(ReportFieldTable[801], "kept");
}

// ---- three cast charts, read by hand from the classical tables ------------------------------

TEST(KnownChartStars, GuiHaiYiChouWuChenYiMao) {
    // 1984-02-04 05:06, a man: 癸亥 乙丑 戊辰 乙卯, Life Palace 乙丑, born in the 卯 hour (by day).
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));
    ASSERT_EQ(chart.lifePalace, pillar_named("乙丑"));
    evaluate_fresh();
    EXPECT_TRUE(Carries(cell_field(TZ, YearStem), "文昌"));       // 癸 year: 文昌 on 卯 (癸人见卯)
    EXPECT_TRUE(Carries(cell_field(TZ, YearStem), "元星"));       // 癸's 长生 is 卯
    EXPECT_TRUE(Carries(cell_field(DG, YearStem), "岁德"));       // 癸 year's 岁德 is 戊
    EXPECT_TRUE(Carries(cell_field(DG, YearStem), "岁干合"));     // 戊 combines with 癸
    EXPECT_TRUE(Carries(cell_field(DZ, YearStem), "天马"));       // 丑 palace, 癸 year: 辰
    EXPECT_TRUE(Carries(cell_field(TZ, YearBranch), "将星"));     // 亥卯未 years: 将星 卯
    EXPECT_TRUE(Carries(cell_field(DZ, YearBranch), "元辰"));     // 阴男: 亥 clashes 巳, one back is 辰
    EXPECT_TRUE(Carries(cell_field(TG, MonthBranch), "天德合"));  // 丑 month: 天德 庚, its partner 乙
    EXPECT_TRUE(Carries(cell_field(TG, MonthBranch), "月德合"));  // 巳酉丑 months: 月德 庚, partner 乙
    EXPECT_TRUE(Carries(cell_field(MZ, DayStem), "天乙贵人"));    // 戊 day by day: 丑 (甲戊庚牛羊)
    EXPECT_TRUE(Carries(cell_field(MZ, DayStem), "国印贵人"));    // 戊 day: 国印 丑
    EXPECT_TRUE(Carries(cell_field(DZ, DayStem), "红艳煞"));      // 戊 day: 红艳 辰
    EXPECT_TRUE(Carries(cell_field(DZ, DayStem), "日德"));        // 戊辰 is one of the five 日德 days
    EXPECT_TRUE(Carries(cell_field(Y, YearBranch), "词馆"));      // 大海水 year: 词馆 癸亥
    EXPECT_FALSE(StarFound[101]);  // 癸 year: 天乙 巳, no 巳 in the chart
    EXPECT_FALSE(StarFound[201]);  // 亥卯未 years: 驿马 巳
    EXPECT_FALSE(StarFound[219]);  // 亥卯未 years: 桃花 子
    EXPECT_FALSE(StarFound[208]);  // 亥 year: 勾绞 needs 申
    EXPECT_FALSE(StarFound[301]);  // 丑 month: 天德 庚, no 庚
    EXPECT_FALSE(StarFound[403]);  // 戊 day: 禄 巳
    EXPECT_FALSE(StarFound[422]);  // 戊 day: 羊刃 午
    EXPECT_FALSE(StarFound[413]);  // 戊辰 is no 魁罡 day
}

TEST(KnownChartStars, GengWuJiMaoJiaWuJiaZi) {
    // 1990-03-29 23:30, a woman: 庚午 己卯 甲午 甲子 (the day turns at 23:00), lunar 3/3, 子 hour.
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1990, 3, 29, 23, 30, false}));
    ASSERT_EQ(chart.dayPillar, pillar_named("甲午"));
    ASSERT_EQ(chart.hourPillar, pillar_named("甲子"));
    evaluate_fresh();
    EXPECT_TRUE(Carries(cell_field(YG, YearStem), "岁德"));       // 庚 year's 岁德 is 庚 itself
    EXPECT_TRUE(Carries(cell_field(YZ, YearBranch), "将星"));     // 寅午戌 years: 将星 午
    EXPECT_TRUE(Carries(cell_field(DZ, YearBranch), "将星"));     // … on the day branch too
    EXPECT_TRUE(Carries(cell_field(TZ, YearBranch), "灾杀"));     // 寅午戌 years: 灾杀 子
    EXPECT_TRUE(Carries(cell_field(MZ, YearBranch), "勾绞"));     // 午 year: no 酉, so only 卯 counts
    EXPECT_TRUE(Carries(cell_field(DG, MonthBranch), "月德"));    // 亥卯未 months: 月德 甲
    EXPECT_TRUE(Carries(cell_field(TG, MonthBranch), "月德"));
    EXPECT_TRUE(Carries(cell_field(MZ, DayStem), "羊刃"));        // 甲 day: 羊刃 卯
    EXPECT_TRUE(Carries(cell_field(YZ, DayStem), "红艳煞"));      // 甲 day: 红艳 午
    EXPECT_TRUE(Carries(cell_field(DZ, DayStem), "红艳煞"));
    EXPECT_TRUE(Carries(cell_field(DZ, DayStem), "进神"));        // 甲午 is a 进神 day
    EXPECT_TRUE(Carries(cell_field(D, DayStem), "风云庆会"));     // lunar day 3 with a 甲 day
    EXPECT_TRUE(Carries(cell_field(TZ, DayBranch), "天屠杀"));    // 午 day: 天屠 子
    const std::string& list = ReportFieldTable[kStarListField];
    EXPECT_EQ(list.find("★221"), list.rfind("★221"));          // 将星 twice, listed once
    EXPECT_FALSE(StarFound[102]);  // 庚 year by night: 玉堂 未, no 未
    EXPECT_FALSE(StarFound[401]);  // 甲 day by night: 丑, no 丑
    EXPECT_FALSE(StarFound[201]);  // 寅午戌 years: 驿马 申
    EXPECT_FALSE(StarFound[219]);  // 寅午戌 years: 桃花 卯, on the month, which 桃花 does not look at
    EXPECT_FALSE(StarFound[207]);  // 阳女: 午 clashes 子, one back is 亥
    EXPECT_FALSE(StarFound[301]);  // 卯 month: 天德 申
    EXPECT_FALSE(StarFound[504]);  // days 1-3 want a 寅 day branch
}

TEST(KnownChartStars, BingChenYiWeiXinSiGengYin) {
    // 1976-07-28 03:42, a man: 丙辰 乙未 辛巳 庚寅, Life Palace 乙未, 寅 hour (by day).
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1976, 7, 28, 3, 42}));
    ASSERT_EQ(chart.dayPillar, pillar_named("辛巳"));
    ASSERT_EQ(chart.lifePalace, pillar_named("乙未"));
    evaluate_fresh();
    EXPECT_TRUE(Carries(cell_field(DZ, YearStem), "元禄神"));     // 丙 year: 禄 巳
    EXPECT_TRUE(Carries(cell_field(TZ, YearStem), "元星"));       // 丙's 长生 is 寅
    EXPECT_TRUE(Carries(cell_field(TZ, YearStem), "红艳煞"));     // 丙 year: 红艳 寅
    EXPECT_TRUE(Carries(cell_field(YG, YearStem), "岁德"));       // 丙 year's 岁德 is 丙
    EXPECT_TRUE(Carries(cell_field(DG, YearStem), "岁干合"));     // 辛 combines with 丙
    EXPECT_TRUE(Carries(cell_field(YZ, YearStem), "天马"));       // 未 palace, 丙 year: 辰
    EXPECT_TRUE(Carries(cell_field(DZ, YearBranch), "劫煞"));     // 申子辰 years: 劫煞 巳
    EXPECT_TRUE(Carries(cell_field(DZ, YearBranch), "孤辰"));     // 寅卯辰 years: 孤辰 巳
    EXPECT_TRUE(Carries(cell_field(DG, MonthBranch), "地扫星"));  // 未 month with 辛 day and 庚 hour
    EXPECT_TRUE(Carries(cell_field(TG, MonthBranch), "地扫星"));
    EXPECT_TRUE(Carries(cell_field(TZ, DayStem), "天乙贵人"));    // 辛 day by day: 寅 (六辛逢马虎)
    EXPECT_TRUE(Carries(cell_field(DZ, DayStem), "国印贵人"));    // 辛 day: 国印 巳
    EXPECT_TRUE(Carries(cell_field(DZ, DayStem), "十恶大败"));    // 辛巳 is one of the ten days
    EXPECT_FALSE(StarFound[201]);  // 申子辰 years: 驿马 寅, but 驿马 looks at month and day only
    EXPECT_FALSE(StarFound[208]);  // 辰 year: 未 is there but 丑 is not, and 丑 alone would count
    EXPECT_FALSE(StarFound[411]);  // 辛 day with 巳 but no 酉 or 丑
    EXPECT_FALSE(StarFound[301]);  // 未 month: 天德 甲, no 甲
    EXPECT_FALSE(StarFound[303]);  // 亥卯未 months: 月德 甲
    EXPECT_FALSE(StarFound[101]);  // 丙 year: 天乙 酉
    EXPECT_FALSE(StarFound[414]);  // 辛巳 is none of the sixteen 进神 days
    EXPECT_FALSE(StarFound[219]);  // 申子辰 years: 桃花 酉
}

#include "engine/reverse_lookup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "engine/chart_state.h"
#include "engine/compute_chart.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "engine/options.h"
#include "platform/clock.h"
#include "platform/message.h"
#include "support/birth.h"
#include "support/gbk_assert.h"

using namespace orvane;

namespace {

using Texts = std::vector<std::string>;

// Chooses the four pillars ("庚子" …) as a user would, the year last.
bool enter(ReverseLookupState& lookup, const std::string& year, const std::string& month, const std::string& day,
           const std::string& hour, int solarYear) {
    return lookup.chooseYearStem(year.substr(0, 2)) && lookup.chooseYearBranch(year.substr(2)) &&
           lookup.chooseDayStem(day.substr(0, 2)) && lookup.chooseDayBranch(day.substr(2)) &&
           lookup.chooseMonthPillar(month) && lookup.chooseHourPillar(hour) &&
           lookup.chooseYear(std::to_string(solarYear));
}

class ReverseLookup : public ::testing::Test {
protected:
    void SetUp() override { platform::set_clock_override({2024, 5, 6, 12, 0, 0}); }
    void TearDown() override { platform::clear_clock_override(); }
    platform::MessageRecorder recorder;
};

}  // namespace

// --- the lists -------------------------------------------------------------------

TEST_F(ReverseLookup, OpensWithTheStemsOnlyAndMaleChecked) {
    ReverseLookupState lookup;
    EXPECT_EQ(lookup.yearStems().items.size(), 10u);
    EXPECT_GBK_EQ("甲", lookup.dayStems().items.front());
    EXPECT_GBK_EQ("癸", lookup.dayStems().items.back());
    EXPECT_TRUE(lookup.yearStems().selected.empty());
    EXPECT_FALSE(lookup.yearBranches().enabled);
    EXPECT_FALSE(lookup.monthPillars().enabled);
    EXPECT_FALSE(lookup.hourPillars().enabled);
    EXPECT_FALSE(lookup.years().enabled);
    EXPECT_TRUE(lookup.male());
    EXPECT_FALSE(lookup.confirmEnabled());
    EXPECT_FALSE(lookup.chooseMonthPillar("丙寅"));
}

TEST_F(ReverseLookup, StemsOfferTheBranchesOfTheirPolarity) {
    ReverseLookupState lookup;
    ASSERT_TRUE(lookup.chooseYearStem("甲"));
    EXPECT_EQ(lookup.yearBranches().items, (Texts{"子", "寅", "辰", "午", "申", "戌"}));
    ASSERT_TRUE(lookup.chooseDayStem("乙"));
    EXPECT_EQ(lookup.dayBranches().items, (Texts{"丑", "卯", "巳", "未", "酉", "亥"}));
    EXPECT_FALSE(lookup.chooseDayBranch("子"));
}

TEST_F(ReverseLookup, YearPillarOffersItsYearsAndTheMonthsOfItsStem) {
    ReverseLookupState lookup;
    ASSERT_TRUE(lookup.chooseYearStem("庚"));
    ASSERT_TRUE(lookup.chooseYearBranch("子"));
    EXPECT_EQ(lookup.years().items, (Texts{"1900", "1960", "2020", "2080"}));
    EXPECT_EQ(lookup.monthPillars().items, (Texts{"戊寅", "己卯", "庚辰", "辛巳", "壬午", "癸未", "甲申", "乙酉", "丙戌",
                                                  "丁亥", "戊子", "己丑"}));
    ASSERT_TRUE(lookup.chooseYearStem("甲"));
    EXPECT_FALSE(lookup.years().enabled);  // emptied until the branch is chosen again
    EXPECT_TRUE(lookup.years().items.empty());
    ASSERT_TRUE(lookup.chooseYearBranch("子"));
    EXPECT_EQ(lookup.years().items, (Texts{"1924", "1984", "2044"}));
    EXPECT_GBK_EQ("丙寅", lookup.monthPillars().items.front());
    ASSERT_TRUE(lookup.chooseYearStem("癸"));
    ASSERT_TRUE(lookup.chooseYearBranch("亥"));
    EXPECT_EQ(lookup.years().items, (Texts{"1923", "1983", "2043"}));
    EXPECT_GBK_EQ("甲寅", lookup.monthPillars().items.front());
    EXPECT_GBK_EQ("乙丑", lookup.monthPillars().items.back());
}

TEST_F(ReverseLookup, DayPillarOffersTheHoursOfItsStem) {
    ReverseLookupState lookup;
    ASSERT_TRUE(lookup.chooseDayStem("丙"));
    ASSERT_TRUE(lookup.chooseDayBranch("寅"));
    EXPECT_TRUE(lookup.hourPillars().enabled);
    EXPECT_EQ(lookup.hourPillars().items, (Texts{"戊子", "己丑", "庚寅", "辛卯", "壬辰", "癸巳", "甲午", "乙未", "丙申",
                                                 "丁酉", "戊戌", "己亥"}));
    ASSERT_TRUE(lookup.chooseHourPillar("甲午"));
    ASSERT_TRUE(lookup.chooseDayStem("戊"));
    EXPECT_FALSE(lookup.hourPillars().enabled);
    EXPECT_TRUE(lookup.hourPillars().selected.empty());
    ASSERT_TRUE(lookup.chooseDayBranch("午"));
    EXPECT_GBK_EQ("壬子", lookup.hourPillars().items.front());
}

TEST_F(ReverseLookup, YearPairOfDifferentPolarityIsRefusedWithAMessage) {
    ReverseLookupState lookup;
    ASSERT_TRUE(lookup.chooseYearStem("甲"));
    EXPECT_FALSE(lookup.chooseYearBranch("丑"));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("年干支字符有错", recorder.messages[0]);
    EXPECT_FALSE(lookup.years().enabled);
    EXPECT_TRUE(lookup.monthPillars().items.empty());
}

// --- the search --------------------------------------------------------------------

// 立春 2020 fell on 4 February 2020 (丁丑 day) at 17:03, in the 酉 period: it
// closes the 丁丑 month of 2019 (己亥) and opens the 戊寅 month of 2020 (庚子).
TEST_F(ReverseLookup, ClosingTermDayIsAcceptedUpToTheTermsPeriod) {
    ReverseLookupState lookup;
    ASSERT_TRUE(enter(lookup, "己亥", "丁丑", "丁丑", "己酉", 2019));
    EXPECT_TRUE(lookup.confirmEnabled());
    EXPECT_GBK_EQ("公历：2020年2月4日18时\r农历：二○二○年正月十一日酉时", lookup.resultText());
    ASSERT_TRUE(lookup.chooseHourPillar("戊申"));
    EXPECT_GBK_EQ("公历：2020年2月4日16时\r农历：二○二○年正月十一日申时", lookup.resultText());
    ASSERT_TRUE(lookup.chooseHourPillar("庚戌"));
    EXPECT_GBK_EQ("该日是节候日，不存在这个时柱", lookup.resultText());
    EXPECT_FALSE(lookup.confirmEnabled());
    EXPECT_FALSE(lookup.confirm());
}

TEST_F(ReverseLookup, OpeningTermDayIsAcceptedFromTheTermsPeriod) {
    ReverseLookupState lookup;
    ASSERT_TRUE(enter(lookup, "庚子", "戊寅", "丁丑", "戊申", 2020));
    EXPECT_GBK_EQ("该日是节候日，不存在这个时柱", lookup.resultText());
    ASSERT_TRUE(lookup.chooseHourPillar("己酉"));
    EXPECT_GBK_EQ("公历：2020年2月4日18时\r农历：二○二○年正月十一日酉时", lookup.resultText());
    ASSERT_TRUE(lookup.chooseHourPillar("辛亥"));
    EXPECT_TRUE(lookup.confirmEnabled());
}

// 小暑 1900 fell on 7 July 1900 (辛巳 day) at 23:10: it opens the 癸未 month of 庚子.
TEST_F(ReverseLookup, OpeningTermAt23RefusesEveryHourOfItsDay) {
    ReverseLookupState lookup;
    ASSERT_TRUE(enter(lookup, "庚子", "癸未", "辛巳", "戊子", 1900));
    for (const std::string& hour : lookup.hourPillars().items) {
        ASSERT_TRUE(lookup.chooseHourPillar(hour));
        EXPECT_GBK_EQ("该日是节候日，不存在这个时柱", lookup.resultText()) << testsupport::readable(hour);
    }
    ASSERT_TRUE(lookup.chooseDayStem("壬"));  // the day after
    ASSERT_TRUE(lookup.chooseDayBranch("午"));
    ASSERT_TRUE(lookup.chooseHourPillar("庚子"));
    EXPECT_GBK_EQ("公历：1900年7月8日0时\r农历：一九○○年六月十二日子时", lookup.resultText());
}

TEST_F(ReverseLookup, DayOutsideTheMonthIsRefused) {
    // The 戊寅 month of 2020 runs from 丁丑 (4 February) to 丁未 (5 March).
    ReverseLookupState lookup;
    ASSERT_TRUE(enter(lookup, "庚子", "戊寅", "甲子", "甲子", 2020));
    EXPECT_GBK_EQ("该月不存在这个日柱", lookup.resultText());
    EXPECT_FALSE(lookup.confirmEnabled());
    ASSERT_TRUE(lookup.chooseDayStem("丁"));
    ASSERT_TRUE(lookup.chooseDayBranch("未"));
    ASSERT_TRUE(lookup.chooseHourPillar("庚子"));
    EXPECT_GBK_EQ("公历：2020年3月5日0时\r农历：二○二○年二月十二日子时", lookup.resultText());
    ASSERT_TRUE(lookup.chooseDayStem("丙"));  // the day before 立春: outside
    ASSERT_TRUE(lookup.chooseDayBranch("子"));
    ASSERT_TRUE(lookup.chooseHourPillar("戊子"));
    EXPECT_GBK_EQ("该月不存在这个日柱", lookup.resultText());
}

// 1 June 2020 (乙亥 day) is the 10th of the leap 4th month of 2020, in the 辛巳 month.
TEST_F(ReverseLookup, FoundLeapMonthDateIsStoredWithMonthPlus20) {
    options = {1, 1, 1, 1};
    chart.personName = "旧";
    chart.birthProvince = "北京";
    chart.birthCity = "北京";
    ReverseLookupState lookup;
    lookup.chooseSex(false);
    ASSERT_TRUE(enter(lookup, "庚子", "辛巳", "乙亥", "壬午", 2020));
    EXPECT_GBK_EQ("公历：2020年6月1日12时\r农历：二○二○年闰四月初十日午时", lookup.resultText());
    EXPECT_EQ(chart.lunarYear, 2020);
    EXPECT_EQ(chart.lunarMonthCode, 24);
    EXPECT_EQ(chart.leapMonth, 1);
    EXPECT_EQ(chart.lunarDay, 10);
    EXPECT_EQ(chart.solarInput, 0);
    EXPECT_EQ(chart.solarYear, 2020);
    EXPECT_EQ(chart.solarMonth, 6);
    EXPECT_EQ(chart.solarDay, 1);
    EXPECT_EQ(chart.birthHour, 12);
    EXPECT_EQ(chart.birthMinute, 0);
    EXPECT_EQ(chart.hourBranchNo, 7);
    EXPECT_EQ(chart.currentLunarYear, 2024);
    EXPECT_EQ(chart.nominalAge, 5);
    EXPECT_EQ(chart.sexFlag, 0);
    EXPECT_EQ(chart.personName, "");
    EXPECT_EQ(chart.birthProvince, "");
    EXPECT_EQ(chart.birthCity, "");
    EXPECT_EQ(options.optTrueSolarTime, 0);
    EXPECT_EQ(options.optMidnightDayBoundary, 1);

    lookup.chooseSex(true);  // changed after the search: 批命 takes the sex now chosen
    ASSERT_TRUE(lookup.confirm());
    EXPECT_EQ(chart.sexFlag, 1);
}

TEST_F(ReverseLookup, ChangingTheYearPillarClearsTheResult) {
    ReverseLookupState lookup;
    EXPECT_GBK_EQ(kReversePlaceholder, lookup.resultText());
    ASSERT_TRUE(enter(lookup, "庚子", "辛巳", "乙亥", "壬午", 2020));
    ASSERT_TRUE(lookup.chooseYearStem("庚"));
    EXPECT_FALSE(lookup.confirmEnabled());
    ASSERT_TRUE(lookup.chooseYearBranch("子"));
    EXPECT_EQ(lookup.resultText(), "");
    EXPECT_TRUE(lookup.monthPillars().selected.empty());
}

// --- the round trip ------------------------------------------------------------------

namespace {

struct Pillars {
    int year, month, day, hour;
    friend bool operator==(const Pillars&, const Pillars&) = default;
};

Pillars cast_pillars() { return {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar}; }

bool casts_to(const testsupport::Birth& birth, const Pillars& expected) {
    return testsupport::cast(birth, 2024) && cast_pillars() == expected;
}

// Some clock time of the period on the found date (for 子 also the late 子 hour
// of the evening before and of the same day) that casts the pillars.
bool period_casts(const SolarDate& date, int branch, const Pillars& expected) {
    const SolarDate before = civil_from_days(days_from_civil(date) - 1);
    struct Hour {
        SolarDate date;
        int hour;
    };
    std::vector<Hour> hours;
    if (branch == 1)
        hours = {{date, 0}, {date, 23}, {before, 23}};
    else
        hours = {{date, 2 * branch - 3}, {date, 2 * branch - 2}};
    for (const Hour& h : hours)
        for (int minute = 0; minute < 60; ++minute)
            if (casts_to({h.date.year, h.date.month, h.date.day, h.hour, minute}, expected)) return true;
    return false;
}

}  // namespace

TEST_F(ReverseLookup, RoundTripOverRandomChartsGivesBackTheirPillars) {
    std::mt19937 random(20240506);
    const char* optionSets[] = {"0000", "1000", "1100"};
    int tried = 0, exact = 0, withinPeriod = 0, refusedBirth = 0, hourNotOffered = 0, yearNotOffered = 0;
    int lateZiOnTermDay = 0;
    for (int trial = 0; trial < 10000; ++trial) {
        testsupport::set_options(optionSets[random() % 3]);
        const int year = kReverseFirstYear + static_cast<int>(random() % (kReverseLastYear - kReverseFirstYear + 1));
        const int month = 1 + static_cast<int>(random() % 12);
        const int day = 1 + static_cast<int>(random() % static_cast<unsigned>(days_in_solar_month(year, month)));
        const testsupport::Birth birth{year, month, day, static_cast<int>(random() % 24), static_cast<int>(random() % 60),
                                       random() % 2 == 0};
        if (!testsupport::cast(birth, 2024)) {
            ++refusedBirth;  // before 立春 1900
            continue;
        }
        ++tried;
        const Pillars expected = cast_pillars();
        const int pillarYear = chart.yearPillarYear;

        ReverseLookupState lookup;
        ASSERT_TRUE(lookup.chooseYearStem(StemNames[static_cast<std::size_t>(stem_of(expected.year))]));
        ASSERT_TRUE(lookup.chooseYearBranch(branch_name(branch_of(expected.year))));
        ASSERT_TRUE(lookup.chooseDayStem(StemNames[static_cast<std::size_t>(stem_of(expected.day))]));
        ASSERT_TRUE(lookup.chooseDayBranch(branch_name(branch_of(expected.day))));
        ASSERT_TRUE(lookup.chooseMonthPillar(cycle_name(expected.month)));
        if (!lookup.chooseHourPillar(cycle_name(expected.hour))) {
            ++hourNotOffered;  // the late 子 hour with the next day's stem
            continue;
        }
        if (!lookup.chooseYear(std::to_string(pillarYear))) {
            EXPECT_GT(pillarYear, kReverseLastYear);
            ++yearNotOffered;
            continue;
        }
        if (!lookup.confirm()) {
            // With the day changing at midnight a 23:xx birth takes the 子 hour of its own
            // day, which the lookup reads as the early 子 hour: on the day of the opening
            // 节 that lies before the term and is refused.
            EXPECT_TRUE(birth.hour == 23 && options.optMidnightDayBoundary == 1 &&
                        lookup.resultText() == std::string("该日是节候日，不存在这个时柱"))
                << year << "-" << month << "-" << day << " " << birth.hour << ":" << birth.minute << " "
                << testsupport::readable(lookup.resultText());
            ++lateZiOnTermDay;
            continue;
        }
        const SolarDate found{chart.solarYear, chart.solarMonth, chart.solarDay};
        const int branch = chart.hourBranchNo;
        compute_chart();
        if (cast_pillars() == expected) {
            ++exact;
            continue;
        }
        // A 节 inside the period: the period's first hour lies on the other side of it.
        EXPECT_TRUE(period_casts(found, branch, expected))
            << year << "-" << month << "-" << day << " " << birth.hour << ":" << birth.minute << " gave "
            << testsupport::readable(lookup.resultText());
        ++withinPeriod;
    }
    std::printf("reverse lookup round trip: %d charts tried, %d cast again exactly, %d within the found period; "
                "not enterable: %d late Zi hours, %d years past %d; refused: %d late Zi hours on a term day; "
                "%d births refused\n",
                tried, exact, withinPeriod, hourNotOffered, yearNotOffered, kReverseLastYear, lateZiOnTermDay,
                refusedBirth);
    EXPECT_GT(exact, tried * 9 / 10);
    EXPECT_EQ(tried, exact + withinPeriod + hourNotOffered + yearNotOffered + lateZiOnTermDay);
}

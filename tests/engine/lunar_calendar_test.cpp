#include "engine/lunar_calendar.h"

#include <gtest/gtest.h>

#include "engine/calendar_tables.h"
#include "engine/chart_state.h"
#include "platform/clock.h"

using namespace orvane;

TEST(CalendarTables, KeepTheRowsThatHaveAlwaysBeenThere) {
    EXPECT_EQ(LunarYearTable[0], (LunarYearRow{80, 0, 1, 0, 0, 1, 0, 1, 1, 1, 1, 0, 1}));
    EXPECT_EQ(LunarYearTable[3], (LunarYearRow{50, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1, 0, 1}));
    EXPECT_EQ(LunarYearTable[117], (LunarYearRow{61, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 1, 1}));
    EXPECT_EQ(LunarYearTable[120], (LunarYearRow{40, 0, 1, 1, 1, 1, 0, 0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(NewYearDayCycleTable[0], 41);
    EXPECT_EQ(NewYearDayCycleTable[1], 5);
    EXPECT_EQ(NewYearDayCycleTable[2], 59);
    EXPECT_EQ(NewYearDayCycleTable[3], 54);
    EXPECT_EQ(NewYearDateTable[0], 131);
    EXPECT_EQ(NewYearDateTable[1], 219);
    EXPECT_EQ(NewYearDateTable[2], 208);
    EXPECT_EQ(NewYearDateTable[124], 210);
}

// The terms are the astronomical moments, to the minute in which they fall.
TEST(CalendarTables, TermsAreTheMomentsOfTheSun) {
    const SolarTermEntry& spring2022 = SolarTermTable[static_cast<size_t>(term_index(2022, 1))];
    EXPECT_EQ(spring2022.jieCode, 10403);  // lunar 1/4, 寅 hour
    EXPECT_EQ(spring2022.jieHour * 100 + spring2022.jieMinute, 450);  // 04:50:36
    const SolarTermEntry& spring1901 = SolarTermTable[static_cast<size_t>(term_index(1901, 1))];
    EXPECT_EQ(spring1901.jieHour * 100 + spring1901.jieMinute, 1939);
    EXPECT_EQ(SolarTermTable[static_cast<size_t>(term_index(1900, 9))].jieCode, 281602);  // 寒露 in the leap 8th month
}

// The tables run past the last birth: the terms after a birth of 31 December
// 2100 and the lunar year that follows it are there.
TEST(CalendarTables, ReachPastTheLastBirth) {
    auto last = lunar_date_of_solar({2100, 12, 31});
    ASSERT_TRUE(last);
    EXPECT_EQ(last->year, 2100);
    const int k0 = term_index(last->year, base_month(last->monthCode) - 1);
    for (int k = k0; k <= k0 + 3; ++k) EXPECT_GT(SolarTermTable[static_cast<size_t>(k)].termYear, 0) << k;
    EXPECT_TRUE(lunar_date_of_solar({2101, 1, 1}));
    EXPECT_TRUE(solar_date_of_lunar({2101, 12, 1}));
}

TEST(CalendarTables, NewYearDayCyclesAdvanceByTheYearsLength) {
    for (int y = kTableFirstYear; y < kTableLastYear; ++y) {
        int length = 0;
        for (int m = 1; m <= 12; ++m) length += lunar_month_length(y, m);
        if (leapMonthOfYear(y)) length += lunar_month_length(y, leapMonthOfYear(y) + 20);
        int i = y - kTableFirstYear;
        ASSERT_EQ((NewYearDayCycleTable[i] + length) % 60, NewYearDayCycleTable[i + 1]) << y;
        auto next = solar_date_of_lunar({y + 1, 1, 1});
        auto last = solar_date_of_lunar({y, 12, lunar_month_length(y, 12)});
        ASSERT_TRUE(next && last);
        ASSERT_EQ(days_from_civil(*next), days_from_civil(*last) + 1) << y;
    }
}

TEST(LunarCalendar, FirstDayOfTheTables) {
    auto lunar = lunar_date_of_solar({1900, 1, 31});
    ASSERT_TRUE(lunar);
    EXPECT_EQ(*lunar, (LunarDate{1900, 1, 1}));
    EXPECT_FALSE(lunar_date_of_solar({1900, 1, 30}));  // lunar 1899 is not in the tables
}

TEST(LunarCalendar, LeapEighthMonthOf1900) {
    EXPECT_EQ(leapMonthOfYear(1900), 8);
    EXPECT_EQ(lunar_month_length(1900, 28), 29);
    auto first = solar_date_of_lunar({1900, 28, 1});
    ASSERT_TRUE(first);
    auto back = lunar_date_of_solar(*first);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->monthCode, 28);
    EXPECT_EQ(lunar_month_length(1900, 27), 0);  // no leap 7th month in 1900
    EXPECT_FALSE(solar_date_of_lunar({1900, 28, 30}));
}

TEST(LunarCalendar, JanuaryBeforeNewYearBelongsToThePreviousYear) {
    auto lunar = lunar_date_of_solar({1985, 2, 19});  // 1985 new year is 20 February
    ASSERT_TRUE(lunar);
    EXPECT_EQ(*lunar, (LunarDate{1984, 12, 30}));
    auto newYear = lunar_date_of_solar({1985, 2, 20});
    ASSERT_TRUE(newYear);
    EXPECT_EQ(*newYear, (LunarDate{1985, 1, 1}));
}

TEST(LunarCalendar, DaysBeforeMonthCountTheLeapMonthWhereItLies) {
    // 2020 has a leap 4th month of 29 days; months 1..4 are 29, 30, 30, 30.
    EXPECT_EQ(daysBeforeLunarMonth(2020, 4), 29 + 30 + 30);
    EXPECT_EQ(daysBeforeLunarMonth(2020, 24), 29 + 30 + 30 + 30);
    EXPECT_EQ(daysBeforeLunarMonth(2020, 5), 29 + 30 + 30 + 30 + 29);
}

TEST(LunarCalendar, ConversionsRoundTripEveryDay) {
    for (int z = days_from_civil(1900, 1, 31); z <= days_from_civil(2100, 12, 31); ++z) {
        SolarDate solar = civil_from_days(z);
        auto lunar = lunar_date_of_solar(solar);
        if (!lunar) {
            // Only the days after the last new year that the tables close.
            ASSERT_GE(solar.year, 2100) << solar.year << '-' << solar.month << '-' << solar.day;
            continue;
        }
        auto back = solar_date_of_lunar(*lunar);
        ASSERT_TRUE(back);
        ASSERT_EQ(*back, solar);
    }
}

TEST(LunarCalendar, ChartConversionsKeepNominalAgeInStep) {
    chart = ChartState{};
    chart.currentLunarYear = 2026;
    chart.solarYear = 1984;
    chart.solarMonth = 2;
    chart.solarDay = 4;
    ASSERT_TRUE(solarToLunar());
    EXPECT_EQ(chart.lunarYear, 1984);
    EXPECT_EQ(chart.lunarMonthCode, 1);
    EXPECT_EQ(chart.lunarDay, 3);
    EXPECT_EQ(chart.nominalAge, 43);
    chart.solarYear = 0;
    ASSERT_TRUE(lunarToSolar());
    EXPECT_EQ(chart.solarYear, 1984);
    EXPECT_EQ(chart.solarMonth, 2);
    EXPECT_EQ(chart.solarDay, 4);
}

TEST(LunarCalendar, CurrentLunarYearTurnsAtNewYear) {
    platform::set_clock_override({2026, 2, 16, 12, 0, 0});  // the day before 2026's new year
    EXPECT_EQ(currentLunarYear(), 2025);
    platform::set_clock_override({2026, 2, 17, 0, 0, 0});
    EXPECT_EQ(currentLunarYear(), 2026);
    platform::set_clock_override({2099, 12, 31, 0, 0, 0});
    EXPECT_EQ(currentLunarYear(), 2099);
    platform::clear_clock_override();
}

#include "engine/gregorian.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(Gregorian, FebruaryFollowsTheCenturyRule) {
    EXPECT_EQ(daysInFebruary(1900), 28);
    EXPECT_EQ(daysInFebruary(2000), 29);
    EXPECT_EQ(daysInFebruary(1984), 29);
    EXPECT_EQ(daysInFebruary(2019), 28);
}

TEST(Gregorian, WeekdayCountsFromAMondayIn1900) {
    EXPECT_EQ(weekday(1900, 1, 1), 1);
    EXPECT_EQ(weekday(2000, 1, 1), 6);
    EXPECT_EQ(weekday(2026, 12, 7), 1);
    EXPECT_EQ(weekday(1984, 2, 5), 0);
}

TEST(Gregorian, CivilDaysRoundTripAcrossCenturies) {
    for (int z = days_from_civil(1899, 12, 1); z < days_from_civil(2101, 2, 1); ++z) {
        SolarDate d = civil_from_days(z);
        ASSERT_TRUE(is_valid_solar_date(d.year, d.month, d.day));
        ASSERT_EQ(days_from_civil(d), z);
    }
}

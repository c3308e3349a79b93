#include "engine/true_solar_time.h"

#include <gtest/gtest.h>

#include "engine/birth_place.h"
#include "engine/chart_state.h"
#include "engine/civil_clock.h"
#include "engine/compute_chart.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "platform/message.h"
#include "support/birth.h"
#include "support/gbk_assert.h"

using namespace orvane;
using testsupport::Birth;
using testsupport::cast;
using testsupport::set_options;
using testsupport::store;

namespace {

std::string year_and_month() { return cycle_name(chart.yearPillar) + " " + cycle_name(chart.monthPillar); }

// A birth at a place given by coordinates and zone, cast with true solar time.
bool cast_abroad(const Birth& birth, float longitude, float latitude, const std::string& zone) {
    if (!store(birth)) return false;
    chart.birthZone = zone;
    chart.enteredLongitude = longitude;
    chart.enteredLatitude = latitude;
    compute_chart();
    return true;
}

}  // namespace

TEST(CivilClock, ChinaKeptDaylightSavingIn1988) {
    auto summer = read_civil_clock(kChinaZone, {1988, 7, 1}, 10, 0);
    ASSERT_TRUE(summer);
    EXPECT_EQ(summer->standardOffsetSec, 8 * 3600);
    EXPECT_EQ(summer->daylightSavingSec, -3600);
    auto winter = read_civil_clock(kChinaZone, {1988, 12, 1}, 10, 0);
    ASSERT_TRUE(winter);
    EXPECT_EQ(winter->daylightSavingSec, 0);
    auto today = read_civil_clock(kChinaZone, {2024, 7, 1}, 10, 0);
    ASSERT_TRUE(today);
    EXPECT_EQ(today->daylightSavingSec, 0);
    EXPECT_FALSE(read_civil_clock("Mars/Olympus_Mons", {1988, 7, 1}, 10, 0));
}

TEST(CivilClock, ZonesAbroadWithTheirStandardTime) {
    auto newYork = read_civil_clock("America/New_York", {1990, 7, 1}, 13, 30);
    ASSERT_TRUE(newYork);
    EXPECT_EQ(newYork->standardOffsetSec, -5 * 3600);
    EXPECT_EQ(newYork->daylightSavingSec, -3600);
    auto sydney = read_civil_clock("Australia/Sydney", {1990, 1, 15}, 12, 0);  // southern summer
    ASSERT_TRUE(sydney);
    EXPECT_EQ(sydney->standardOffsetSec, 10 * 3600);
    EXPECT_EQ(sydney->daylightSavingSec, -3600);
}

TEST(TrueSolarTime, DaylightSavingIsTakenOffTheClock) {
    set_options("1110");
    ASSERT_TRUE(cast({1988, 7, 1, 10, 0, true, false, false, "北京", "东城区"}));
    EXPECT_EQ(chart.daylightSavingSec, -3600);
    EXPECT_EQ(chart.beijingTime.hour, 9);  // the clock read as standard time
    EXPECT_EQ(chart.hourBranch, 5);        // 辰: about 08:42 true solar time
    ASSERT_TRUE(cast({1988, 12, 1, 10, 0, true, false, false, "北京", "东城区"}));
    EXPECT_EQ(chart.daylightSavingSec, 0);
    EXPECT_EQ(chart.beijingTime.hour, 10);
    set_options("1100");  // without true solar time the clock is Beijing standard time
    ASSERT_TRUE(cast({1988, 7, 1, 10, 0}));
    EXPECT_EQ(chart.daylightSavingSec, 0);
    EXPECT_EQ(chart.hourBranch, 6);
}

// A correction across midnight on the first day of a lunar year moves the day
// and hour pillars only; the year, the month and the luck follow the entered moment.
TEST(TrueSolarTime, YearAndMonthStayWithTheEnteredMoment) {
    platform::MessageRecorder recorder;
    set_options("1100");
    ASSERT_TRUE(cast({1985, 2, 20, 0, 10}));  // 正月初一 1985
    const std::string clockYearMonth = year_and_month();
    const int clockLuckMinutes = chart.luckMinutes;
    const int clockDayPillar = chart.dayPillar;
    EXPECT_GBK_EQ("乙丑 戊寅", clockYearMonth);

    set_options("1110");
    ASSERT_TRUE(cast({1985, 2, 20, 0, 10, true, false, false, "北京", "东城区"}));
    EXPECT_EQ(chart.solarHour, 23);  // the evening before, lunar 1984-12-30
    EXPECT_EQ(chart.trueSolarTime.lunarYear, 1984);
    EXPECT_GBK_EQ(clockYearMonth, year_and_month());
    EXPECT_EQ(chart.luckMinutes, clockLuckMinutes);
    EXPECT_EQ(chart.dayPillar, cycle(clockDayPillar - 1));
    EXPECT_TRUE(recorder.messages.empty());
    // The birth data is kept as entered.
    EXPECT_EQ(chart.lunarYear, 1985);
    EXPECT_EQ(chart.lunarMonthCode, 1);
    EXPECT_EQ(chart.lunarDay, 1);
}

TEST(TrueSolarTime, BirthAbroadUsesItsLongitudeAndClock) {
    set_options("1110");
    // New York on daylight saving (UTC-4): 13:30 is 17:30 UTC, 01:30 on 2 July in Beijing.
    ASSERT_TRUE(cast_abroad({1990, 7, 1, 13, 30}, -74.0f, 40.7f, "America/New_York"));
    EXPECT_EQ(chart.daylightSavingSec, -3600);
    EXPECT_EQ(chart.zoneOffsetSec, -5 * 3600);
    EXPECT_EQ(chart.hourBranch, 7);  // 午: about 12:30 true solar time
    EXPECT_EQ(chart.trueSolarTime.solarDay, 1);
    EXPECT_EQ(chart.beijingTime.solarDay, 2);
    EXPECT_EQ(chart.beijingTime.hour, 1);
    const std::string abroad = year_and_month();
    const int abroadDay = chart.dayPillar;

    set_options("1100");
    ASSERT_TRUE(cast({1990, 7, 2, 1, 30}));
    EXPECT_GBK_EQ(year_and_month(), abroad);
    ASSERT_TRUE(cast({1990, 7, 1, 12, 30}));
    EXPECT_EQ(chart.dayPillar, abroadDay);
}

TEST(BirthPlace, CoordinatesAndZoneAreChecked) {
    EXPECT_FALSE(entered_place_problem(-74.0, 40.7, "America/New_York"));
    EXPECT_GBK_EQ("经度应在-180至180之间", entered_place_problem(-180.5, 40.7, "America/New_York").value_or(""));
    EXPECT_GBK_EQ("纬度应在-90至90之间", entered_place_problem(10.0, 91.0, "Europe/Berlin").value_or(""));
    EXPECT_GBK_EQ("<时区> 未选择", entered_place_problem(10.0, 50.0, "").value_or(""));
    EXPECT_GBK_EQ("时区不存在：Europe/Atlantis", entered_place_problem(10.0, 50.0, "Europe/Atlantis").value_or(""));
}

TEST(BirthPlace, ZoneTableGivesCityAndCoordinates) {
    const std::string table =
        "# comment\n"
        "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
        "CN\t+3114+12128\tAsia/Shanghai\tBeijing Time\n"
        "broken line\n";
    auto zones = parse_zone_table(table);
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[0].zone, "America/New_York");
    EXPECT_EQ(zones[0].city, "New York");
    EXPECT_NEAR(zones[0].latitude, 40.714, 0.001);
    EXPECT_NEAR(zones[0].longitude, -74.006, 0.001);
    EXPECT_NEAR(zones[1].longitude, 121.467, 0.001);
    EXPECT_EQ(zones[1].countries, "CN");
}

TEST(BirthPlace, SystemZonesAreSearchable) {
    ASSERT_GT(zone_entries().size(), 300u);
    auto found = find_zones("new york");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->zone, "America/New_York");
    EXPECT_FALSE(find_zones("cn").empty());
    EXPECT_EQ(find_zones("").size(), zone_entries().size());
    for (const ZoneEntry* z : find_zones("america")) EXPECT_TRUE(is_known_zone(z->zone)) << z->zone;
}

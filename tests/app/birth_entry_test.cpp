#include "app/birth_entry.h"

#include <gtest/gtest.h>

#include "engine/chart_state.h"
#include "platform/clock.h"
#include "platform/message.h"
#include "support/gbk_assert.h"

using namespace orvane;

namespace {

// 2020-05-23 is the first day of the leap fourth month of lunar 2020.
BirthEntry solar_entry(int year, int month, int day, int hour = 8, int minute = 30) {
    BirthEntry entry = new_birth_entry();
    entry.yearIndex = year - 1900;
    entry.monthIndex = month - 1;
    entry.dayIndex = day - 1;
    entry.hourIndex = hour;
    entry.minuteIndex = minute;
    return entry;
}

BirthEntry lunar_entry(int year, int month, int day, bool leap) {
    BirthEntry entry = solar_entry(year, month, day);
    entry.calendarIndex = 0;
    entry.leap = leap;
    return entry;
}

class BirthEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::set_clock_override({2026, 6, 1, 12, 0, 0});
        chart = ChartState{};
    }
    void TearDown() override { platform::clear_clock_override(); }
    platform::MessageRecorder recorder;
};

}  // namespace

TEST(BirthEntryState, NewChartOpensOnMaleSolarWithNothingChosen) {
    const BirthEntry entry = new_birth_entry();
    EXPECT_EQ(entry.sexIndex, 0);
    EXPECT_EQ(entry.calendarIndex, 1);
    EXPECT_FALSE(entry.leapEnabled());
    EXPECT_EQ(entry.dayCount(), 31);
    EXPECT_EQ(entry.yearIndex, -1);
    EXPECT_EQ(entry.minuteIndex, -1);
}

TEST(BirthEntryState, SwitchingToLunarClearsDayAndOffersThirty) {
    BirthEntry entry = solar_entry(1990, 1, 31);
    choose_calendar(entry, 0);
    EXPECT_EQ(entry.dayIndex, -1);
    EXPECT_EQ(entry.dayCount(), 30);
    EXPECT_TRUE(entry.leapEnabled());
    EXPECT_EQ(entry.monthIndex, 0);  // the other choices stay
}

TEST(BirthEntryState, ChoosingAProvinceEmptiesTheCity) {
    BirthEntry entry;
    entry.provinceText = "黑龙江";
    entry.cityText = "漠河";
    choose_province(entry, "吉林");
    EXPECT_GBK_EQ("吉林", entry.provinceText);
    EXPECT_TRUE(entry.cityText.empty());
}

TEST(BirthEntryState, NameIsCutAtNineteenBytesWithoutSplittingACharacter) {
    EXPECT_EQ(clip_name(std::string(25, 'a')).size(), 19u);
    const std::string ten = "一二三四五六七八九十";  // 20 bytes
    EXPECT_GBK_EQ("一二三四五六七八九", clip_name(ten));
    EXPECT_GBK_EQ("a一二三四五六七八九", clip_name("a" + ten));
    EXPECT_GBK_EQ("张三", clip_name("张三"));
}

TEST(BirthEntryState, HelpTextsFollowTheField) {
    EXPECT_GBK_EQ("命主姓名，本项可以不填。", help_text(BirthField::name));
    EXPECT_GBK_EQ("命主是否在农历的闰月出生。", help_text(BirthField::leap));
    EXPECT_GBK_EQ("选择命主的性别。本项必须选择。", help_text(BirthField::sex));
    EXPECT_GBK_EQ("选择命主出生时间的分钟(北京时间)，如果不知道具体时间，可以选择大约数。本项必须选择。",
                  help_text(BirthField::minute));
}

TEST(BirthEntryChecks, FirstMissingSelectionWinsInOrder) {
    BirthEntry entry = new_birth_entry();
    EXPECT_GBK_EQ("<年> 没有选择", missing_selection(entry, false));
    entry.yearIndex = 90;
    EXPECT_GBK_EQ("<月> 没有选择", missing_selection(entry, false));
    entry.monthIndex = 0;
    EXPECT_GBK_EQ("<日> 没有选择", missing_selection(entry, false));
    entry.dayIndex = 0;
    EXPECT_GBK_EQ("<小时> 没有选择", missing_selection(entry, false));
    entry.hourIndex = 0;
    EXPECT_GBK_EQ("<分钟> 没有选择", missing_selection(entry, false));
    entry.minuteIndex = 0;
    EXPECT_EQ("", missing_selection(entry, false));
    entry.cityText = "漠河";  // a city alone does not stand for the province
    EXPECT_GBK_EQ("<出生地点-省> 未选择", missing_selection(entry, true));
    entry.provinceText = "黑龙江";
    entry.cityText.clear();
    EXPECT_GBK_EQ("<出生地点-市> 未选择", missing_selection(entry, true));
}

TEST_F(BirthEntryTest, MissingSelectionShowsOneMessageAndStoresNothing) {
    BirthEntry entry = solar_entry(1990, 5, 1);
    entry.minuteIndex = -1;
    chart.solarYear = 1977;
    EXPECT_FALSE(accept_birth_entry(entry, false));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("<分钟> 没有选择", recorder.messages[0]);
    EXPECT_EQ(chart.solarYear, 1977);
}

TEST_F(BirthEntryTest, SolarDateCompletesTheLunarSideAndEmptiesThePlaceWithoutTrueSolarTime) {
    BirthEntry entry = solar_entry(2020, 5, 23, 23, 5);
    entry.nameText = "李四";
    entry.sexIndex = 1;
    entry.provinceText = "北京";
    entry.cityText = "北京";
    chart.birthProvince = "上海";
    ASSERT_TRUE(accept_birth_entry(entry, false));
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(chart.solarInput, 1);
    EXPECT_EQ(chart.lunarYear, 2020);
    EXPECT_EQ(chart.lunarMonthCode, 24);  // leap fourth month
    EXPECT_EQ(chart.leapMonth, 1);
    EXPECT_EQ(chart.lunarDay, 1);
    EXPECT_EQ(chart.nominalAge, chart.currentLunarYear - 2020 + 1);
    EXPECT_EQ(chart.sexFlag, 0);
    EXPECT_EQ(chart.hourBranchNo, 1);  // 23:05 is the 子 hour
    EXPECT_GBK_EQ("李四", chart.personName);
    EXPECT_TRUE(chart.birthProvince.empty());
    EXPECT_TRUE(chart.birthCity.empty());
}

TEST_F(BirthEntryTest, LunarLeapMonthRoundTripsThroughTheEditDialog) {
    BirthEntry entry = lunar_entry(2020, 4, 1, true);
    entry.provinceText = "黑龙江";
    entry.cityText = "漠河";
    ASSERT_TRUE(accept_birth_entry(entry, true));
    EXPECT_EQ(chart.lunarMonthCode, 24);
    EXPECT_EQ(chart.solarYear, 2020);
    EXPECT_EQ(chart.solarMonth, 5);
    EXPECT_EQ(chart.solarDay, 23);
    EXPECT_GBK_EQ("漠河", chart.birthCity);

    const BirthEntry again = birth_entry_from_chart(true);
    EXPECT_EQ(again.calendarIndex, 0);
    EXPECT_EQ(again.monthIndex, 3);
    EXPECT_TRUE(again.leap);
    EXPECT_EQ(again.dayIndex, 0);
    EXPECT_GBK_EQ("黑龙江", again.provinceText);
    ASSERT_TRUE(accept_birth_entry(again, true));
    EXPECT_EQ(chart.lunarMonthCode, 24);
    EXPECT_EQ(birth_entry_from_chart(false).provinceText, "");
}

TEST_F(BirthEntryTest, EditDialogOfASolarChartShowsTheSolarDate) {
    ASSERT_TRUE(accept_birth_entry(solar_entry(1984, 2, 29, 0, 59), false));
    const BirthEntry again = birth_entry_from_chart(false);
    EXPECT_EQ(again.calendarIndex, 1);
    EXPECT_EQ(again.yearIndex, 84);
    EXPECT_EQ(again.monthIndex, 1);
    EXPECT_EQ(again.dayIndex, 28);
    EXPECT_EQ(again.hourIndex, 0);
    EXPECT_EQ(again.minuteIndex, 59);
    EXPECT_EQ(again.sexIndex, 0);
    EXPECT_EQ(chart.hourBranchNo, 1);
}

TEST_F(BirthEntryTest, HourBranchFollowsTheTwoHourPeriods) {
    const int expected[][2] = {{23, 1}, {0, 1}, {1, 2}, {2, 2}, {22, 12}, {12, 7}};
    for (const auto& [hour, branch] : expected) {
        ASSERT_TRUE(accept_birth_entry(solar_entry(1990, 6, 15, hour, 0), false));
        EXPECT_EQ(chart.hourBranchNo, branch) << "hour " << hour;
    }
}

TEST_F(BirthEntryTest, LeapQuestionAnsweredYesMakesTheMonthLeap) {
    recorder.answer_next(true);
    ASSERT_TRUE(accept_birth_entry(lunar_entry(2020, 4, 1, false), false));
    ASSERT_EQ(recorder.questions.size(), 1u);
    EXPECT_EQ(chart.lunarMonthCode, 24);
    EXPECT_EQ(chart.solarMonth, 5);
    EXPECT_EQ(chart.solarDay, 23);
}

TEST_F(BirthEntryTest, ImpossibleDateKeepsTheDialogOpen) {
    EXPECT_FALSE(accept_birth_entry(solar_entry(1990, 2, 30), false));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("2月份日期错误，应为1至28", recorder.messages[0]);
}

// --- a place abroad: coordinates and a zone -------------------------------

TEST(BirthEntryAbroad, MissingCoordinatesAndZoneInOrder) {
    BirthEntry entry = solar_entry(1990, 7, 1, 13, 30);
    choose_abroad(entry, true);
    EXPECT_GBK_EQ("<经度> 未填写", missing_selection(entry, true));
    entry.longitudeText = "-74.0";
    EXPECT_GBK_EQ("<纬度> 未填写", missing_selection(entry, true));
    entry.latitudeText = "40.7";
    EXPECT_GBK_EQ("<时区> 未选择", missing_selection(entry, true));
    entry.zoneText = "America/New_York";
    EXPECT_EQ(missing_selection(entry, true), "");
    EXPECT_EQ(missing_selection(solar_entry(1990, 7, 1), false), "");  // no place without true solar time
}

TEST(BirthEntryAbroad, ZoneListIsSearchedAndFillsTheCoordinates) {
    auto found = search_zones("new york");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(zone_list_text(*found[0]), "America/New_York  New York (US)");
    BirthEntry entry = solar_entry(1990, 7, 1);
    choose_abroad(entry, true);
    choose_zone(entry, *found[0]);
    EXPECT_EQ(entry.zoneText, "America/New_York");
    EXPECT_EQ(entry.longitudeText, "-74.01");  // the principal city, as a starting point
    EXPECT_EQ(entry.latitudeText, "40.71");
    entry.longitudeText = "-73.9";
    auto berlin = search_zones("berlin");
    ASSERT_FALSE(berlin.empty());
    choose_zone(entry, *berlin[0]);
    EXPECT_EQ(entry.longitudeText, "-73.9");  // typed coordinates are kept
}

TEST_F(BirthEntryTest, BadCoordinatesOrZoneKeepTheDialogOpenWithWhatWasTyped) {
    BirthEntry entry = solar_entry(1990, 7, 1, 13, 30);
    choose_abroad(entry, true);
    entry.latitudeText = "40.7";
    entry.zoneText = "America/New_York";
    for (const char* typed : {"west", "-200"}) {
        entry.longitudeText = typed;
        EXPECT_FALSE(accept_birth_entry(entry, true)) << typed;
        EXPECT_EQ(entry.longitudeText, typed);
    }
    entry.longitudeText = "-74.0";
    entry.zoneText = "America/Gotham";
    EXPECT_FALSE(accept_birth_entry(entry, true));
    EXPECT_EQ(entry.zoneText, "America/Gotham");
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_GBK_EQ("经度应为数字，例如-74.0", recorder.messages[0]);
    EXPECT_GBK_EQ("经度应在-180至180之间", recorder.messages[1]);
    EXPECT_GBK_EQ("时区不存在：America/Gotham", recorder.messages[2]);
    EXPECT_EQ(chart.solarYear, 0);  // nothing stored
}

TEST_F(BirthEntryTest, PlaceAbroadIsStoredAndShownAgainInTheEditDialog) {
    BirthEntry entry = solar_entry(1990, 7, 1, 13, 30);
    entry.provinceText = "北京";  // typed before switching: not stored
    choose_abroad(entry, true);
    entry.longitudeText = "-74.0";
    entry.latitudeText = " 40.7 ";
    entry.zoneText = "America/New_York";
    ASSERT_TRUE(accept_birth_entry(entry, true));
    EXPECT_EQ(chart.birthZone, "America/New_York");
    EXPECT_FLOAT_EQ(chart.enteredLongitude, -74.0f);
    EXPECT_FLOAT_EQ(chart.enteredLatitude, 40.7f);
    EXPECT_TRUE(chart.birthProvince.empty());
    const BirthEntry again = birth_entry_from_chart(true);
    EXPECT_TRUE(again.abroad);
    EXPECT_EQ(again.longitudeText, "-74.0");
    EXPECT_EQ(again.latitudeText, "40.7");
    EXPECT_EQ(again.zoneText, "America/New_York");
    ASSERT_TRUE(accept_birth_entry(solar_entry(1990, 7, 1, 13, 30), false));
    EXPECT_TRUE(chart.birthZone.empty());  // without true solar time no place is kept
}

#include "engine/date_validation.h"

#include <gtest/gtest.h>

#include "engine/chart_state.h"
#include "platform/message.h"
#include "support/gbk_assert.h"

using namespace orvane;

namespace {

void solar_birth(int y, int m, int d, int hour = 12, int minute = 0) {
    chart = ChartState{};
    chart.solarInput = 1;
    chart.solarYear = y;
    chart.solarMonth = m;
    chart.solarDay = d;
    chart.birthHour = hour;
    chart.birthMinute = minute;
}

void lunar_birth(int y, int m, int d, bool leap = false) {
    chart = ChartState{};
    chart.solarInput = 0;
    chart.lunarYear = y;
    chart.lunarMonthCode = m;
    chart.lunarDay = d;
    chart.leapMonth = leap ? 1 : 0;
    chart.birthHour = 12;
}

}  // namespace

TEST(DateValidation, TimeIsCheckedBeforeTheDate) {
    platform::MessageRecorder recorder;
    solar_birth(1800, 13, 40, 24, 0);
    EXPECT_EQ(validate_birth_date(), 0);
    solar_birth(1984, 1, 1, 23, 60);
    EXPECT_EQ(validate_birth_date(), 0);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_GBK_EQ("小时应在0-23", recorder.messages[0]);
    EXPECT_GBK_EQ("分钟应在0-59", recorder.messages[1]);
}

TEST(DateValidation, SolarDates) {
    platform::MessageRecorder recorder;
    solar_birth(1899, 5, 1);
    EXPECT_EQ(validate_birth_date(), 0);
    solar_birth(2101, 1, 1);
    EXPECT_EQ(validate_birth_date(), 0);
    solar_birth(1984, 4, 31);
    EXPECT_EQ(validate_birth_date(), 0);
    solar_birth(1900, 2, 29);
    EXPECT_EQ(validate_birth_date(), 0);
    solar_birth(1984, 13, 1);
    EXPECT_EQ(validate_birth_date(), 0);
    ASSERT_EQ(recorder.messages.size(), 5u);
    EXPECT_GBK_EQ("年份应在1900-2100", recorder.messages[0]);
    EXPECT_GBK_EQ("年份应在1900-2100", recorder.messages[1]);
    EXPECT_GBK_EQ("日期错误，应为1至30", recorder.messages[2]);
    EXPECT_GBK_EQ("2月份日期错误，应为1至28", recorder.messages[3]);
    EXPECT_GBK_EQ("月份应为1-12", recorder.messages[4]);

    solar_birth(2000, 2, 29);
    EXPECT_EQ(validate_birth_date(), 1);
    solar_birth(2024, 5, 1);
    EXPECT_EQ(validate_birth_date(), 1);
    solar_birth(2100, 12, 31);
    EXPECT_EQ(validate_birth_date(), 1);
    EXPECT_EQ(recorder.messages.size(), 5u);
}

// Lunar 2100 runs on into January 2101: its 12th month opens on 31 December
// 2100, so only the first day of that month is a birth of the range.
TEST(DateValidation, LunarDatesAfterTheLastSolarDayAreRefused) {
    platform::MessageRecorder recorder;
    lunar_birth(2100, 12, 1);
    EXPECT_EQ(validate_birth_date(), 1);
    lunar_birth(2100, 12, 2);
    EXPECT_EQ(validate_birth_date(), 0);
    lunar_birth(2101, 1, 1);
    EXPECT_EQ(validate_birth_date(), 0);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_GBK_EQ("日期应不晚于公历2100年12月31日", recorder.messages[0]);
    EXPECT_GBK_EQ("年份应在1900-2100", recorder.messages[1]);
}

TEST(DateValidation, BirthsBeforeTheFirstSpringOfTheTablesAreRefused) {
    platform::MessageRecorder recorder;
    solar_birth(1900, 1, 15);
    EXPECT_EQ(validate_birth_date(), 0);
    solar_birth(1900, 2, 4, 13, 50);  // lunar 1/5, a minute before 立春 at 13:51
    EXPECT_EQ(validate_birth_date(), 0);
    solar_birth(1900, 2, 4, 13, 51);
    EXPECT_EQ(validate_birth_date(), 1);
    lunar_birth(1900, 1, 1);
    EXPECT_EQ(validate_birth_date(), 0);
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_GBK_EQ("日期应在1900年立春（正月初五13:51）之后", recorder.messages[1]);
}

TEST(DateValidation, LeapMonthQuestion) {
    platform::MessageRecorder recorder;
    lunar_birth(1900, 8, 30);
    recorder.answer_next(true);
    EXPECT_EQ(validate_birth_date(), 0);
    ASSERT_EQ(recorder.questions.size(), 1u);
    EXPECT_GBK_EQ("1900年闰8月,是否闰月?", recorder.questions[0]);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("闰月小，日期应为1至29", recorder.messages[0]);
    EXPECT_EQ(chart.leapMonth, 1);  // the yes stays even though the day failed

    lunar_birth(1900, 8, 29);
    recorder.answer_next(false);
    EXPECT_EQ(validate_birth_date(), 1);  // the regular 8th month has 30 days
    EXPECT_EQ(chart.leapMonth, 0);
}

TEST(DateValidation, LunarMonthsAndDays) {
    platform::MessageRecorder recorder;
    lunar_birth(1901, 3, 10, true);
    EXPECT_EQ(validate_birth_date(), 0);
    lunar_birth(1900, 1, 30);  // month 1 of 1900 has 29 days
    EXPECT_EQ(validate_birth_date(), 0);
    lunar_birth(1984, 5, 31);
    EXPECT_EQ(validate_birth_date(), 0);
    lunar_birth(1900, 28, 30, true);
    EXPECT_EQ(validate_birth_date(), 0);
    ASSERT_EQ(recorder.messages.size(), 4u);
    EXPECT_GBK_EQ("该月不闰", recorder.messages[0]);
    EXPECT_GBK_EQ("该月小，日期应为1至29", recorder.messages[1]);
    EXPECT_GBK_EQ("日期应为1至30", recorder.messages[2]);
    EXPECT_GBK_EQ("闰月小，日期应为1至29", recorder.messages[3]);
    EXPECT_TRUE(recorder.questions.empty());
}

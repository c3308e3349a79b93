// 农历文字
#include <gtest/gtest.h>

#include "deskcal/calendar/display_texts.h"
#include "deskcal/calendar/lunar_date.h"
#include "deskcal/calendar/lunar_text.h"
#include "support/gbk_assert.h"

namespace deskcal {
namespace {

TEST(LunarYearText, CyclePairSpaceAnimalYear) {
    EXPECT_GBK_EQ("甲子 鼠年", LunarYearText(1984));
    EXPECT_GBK_EQ("癸亥 猪年", LunarYearText(1983));
    EXPECT_GBK_EQ("辛丑 牛年", LunarYearText(1901));
    EXPECT_GBK_EQ("庚子 鼠年", LunarYearText(1900));
    EXPECT_GBK_EQ("癸卯 免年", LunarYearText(2023));  // the stored animal name, as shipped
}

TEST(LunarYearText, ChangesAtTheLunarNewYearNotOnFirstJanuary) {
    EXPECT_GBK_EQ("癸亥 猪年", LunarYearText(SolarToLunar(1984, 1, 1).lunar.year));
    EXPECT_GBK_EQ("癸亥 猪年", LunarYearText(SolarToLunar(1984, 2, 1).lunar.year));
    EXPECT_GBK_EQ("甲子 鼠年", LunarYearText(SolarToLunar(1984, 2, 2).lunar.year));
}

TEST(LunarMonthText, LunarNaming) {
    EXPECT_GBK_EQ("　正月", LunarMonthText(1, MonthNaming::Lunar));
    EXPECT_GBK_EQ("　二月", LunarMonthText(2, MonthNaming::Lunar));
    EXPECT_GBK_EQ("　十月", LunarMonthText(10, MonthNaming::Lunar));
    EXPECT_GBK_EQ("十一月", LunarMonthText(11, MonthNaming::Lunar));
    EXPECT_GBK_EQ("十二月", LunarMonthText(12, MonthNaming::Lunar));
}

TEST(LunarMonthText, SolarNamingDiffersOnlyInTheFirstMonth) {
    EXPECT_GBK_EQ("　一月", LunarMonthText(1, MonthNaming::Solar));
    for (int m = 2; m <= 12; ++m) {
        EXPECT_GBK_EQ(LunarMonthText(m, MonthNaming::Lunar), LunarMonthText(m, MonthNaming::Solar));
    }
}

TEST(LunarMonthText, ShortFormDropsOnlyTheWideSpace) {
    EXPECT_GBK_EQ("正月", lunar_month_short_text(1));
    EXPECT_GBK_EQ("四月", lunar_month_short_text(4));
    EXPECT_GBK_EQ("十一月", lunar_month_short_text(11));
}

TEST(LunarDayText, AllThirtyDays) {
    const char* const expected[31] = {"",     "初一", "初二", "初三", "初四", "初五", "初六", "初七",
                                      "初八", "初九", "初十", "十一", "十二", "十三", "十四", "十五",
                                      "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
                                      "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    for (int d = 1; d <= 30; ++d) EXPECT_GBK_EQ(expected[d], LunarDayText(d)) << "day " << d;
}

TEST(tray_tip_text, DateThenLunarYearMonthDay) {
    EXPECT_GBK_EQ("2003年5月1日 癸未 羊年四月初一", tray_tip_text(2003, 5, 1));
}

TEST(tray_tip_text, EleventhMonthIsNotFirstMonth) {
    // 2023-12-13 is lunar 2023-11-01.
    EXPECT_GBK_EQ("2023年12月13日 癸卯 免年十一月初一", tray_tip_text(2023, 12, 13));
    EXPECT_GBK_EQ("2024年1月11日 癸卯 免年十二月初一", tray_tip_text(2024, 1, 11));
}

TEST(today_text, PadsMonthAndDayToTwo) {
    EXPECT_GBK_EQ("今天是2023年 4月 9日", today_text(2023, 4, 9));
    EXPECT_GBK_EQ("今天是2023年12月31日", today_text(2023, 12, 31));
}

}  // namespace
}  // namespace deskcal

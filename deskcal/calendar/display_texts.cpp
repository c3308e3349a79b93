#include "deskcal/calendar/display_texts.h"

#include <cstdio>

#include "deskcal/calendar/lunar_date.h"
#include "deskcal/calendar/lunar_text.h"

namespace deskcal {

std::string today_text(int year, int month, int day) {
    char text[64];
    std::snprintf(text, sizeof text, "今天是%4d年%2d月%2d日", year, month, day);
    return text;
}

std::string tray_tip_text(int year, int month, int day) {
    const LunarDate lunar = SolarToLunar(year, month, day).lunar;
    char date[64];
    std::snprintf(date, sizeof date, "%4d年%d月%d日 ", year, month, day);
    return date + LunarYearText(lunar.year) + lunar_month_short_text(lunar.month) + LunarDayText(lunar.day);
}

}  // namespace deskcal

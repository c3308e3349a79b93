// 农历文字: the Chinese texts of a lunar year, month and day.
#pragma once

#include <string>

namespace deskcal {

enum class MonthNaming {
    Lunar,  // month 1 is 　正月
    Solar,  // month 1 is 　一月 (the month list of the window)
};

// Cycle pair, one ASCII space, zodiac animal, 年: 1984 -> 甲子 鼠年 (GBK).
std::string LunarYearText(int lunarYear);

// Months 1..10 start with a full-width space (　正月 … 　十月); 十一月, 十二月. GBK.
std::string LunarMonthText(int month, MonthNaming naming);

// 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十. GBK.
std::string LunarDayText(int day);

// LunarMonthText without its leading full-width space: 正月, 十一月.
std::string lunar_month_short_text(int month);

}  // namespace deskcal

// 提示文字: the texts built from today's date (the static line and the tray tip).
#pragma once

#include <string>

namespace deskcal {

// 今天是%4d年%2d月%2d日. GBK.
std::string today_text(int year, int month, int day);

// %4d年%d月%d日 followed by the lunar year, month (without its leading
// full-width space) and day: 2003年5月1日 癸未 羊年四月初一. GBK.
std::string tray_tip_text(int year, int month, int day);

}  // namespace deskcal

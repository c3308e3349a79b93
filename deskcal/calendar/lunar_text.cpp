#include "deskcal/calendar/lunar_text.h"

#include <string_view>

namespace deskcal {

namespace {

constexpr std::string_view kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr std::string_view kBranches = "子丑寅卯辰巳午未申酉戌亥";
constexpr std::string_view kAnimals = "鼠牛虎免龙蛇马羊猴鸡狗猪";
constexpr std::string_view kMonthDigits = "正二三四五六七八九十";
constexpr std::string_view kEleven = "十一";
constexpr std::string_view kTwelve = "十二";
constexpr std::string_view kMonth = "月";
constexpr std::string_view kYear = "年";
constexpr std::string_view kWideSpace = "　";
constexpr std::string_view kSolarMonthOne = "　一月";
constexpr std::string_view kDayTens = "初十廿三";
constexpr std::string_view kDayUnits = "一二三四五六七八九十";

// Every character of these strings is two GBK bytes.
std::string_view character(std::string_view gbk, int index) { return gbk.substr(2 * static_cast<std::size_t>(index), 2); }

// The year's place in the sixty-year cycle counted from 甲子 = 1984, 4, ...
int cycle_offset(int lunarYear, int period) { return ((lunarYear - 4) % period + period) % period; }

}  // namespace

std::string LunarYearText(int lunarYear) {
    std::string text;
    text += character(kStems, cycle_offset(lunarYear, 10));
    text += character(kBranches, cycle_offset(lunarYear, 12));
    text += ' ';
    text += character(kAnimals, cycle_offset(lunarYear, 12));
    text += kYear;
    return text;
}

std::string LunarMonthText(int month, MonthNaming naming) {
    if (month == 1 && naming == MonthNaming::Solar) return std::string(kSolarMonthOne);
    std::string text;
    if (month <= 10) {
        text += kWideSpace;
        text += character(kMonthDigits, month - 1);
    } else {
        text += month == 11 ? kEleven : kTwelve;
    }
    text += kMonth;
    return text;
}

std::string lunar_month_short_text(int month) {
    std::string text = LunarMonthText(month, MonthNaming::Lunar);
    if (text.starts_with(kWideSpace)) text.erase(0, kWideSpace.size());
    return text;
}

std::string LunarDayText(int day) {
    std::string text;
    if (day == 20) return std::string(character(kDayUnits, 1)) + std::string(character(kDayUnits, 9));  // 二十
    if (day == 30) return std::string(character(kDayTens, 3)) + std::string(character(kDayUnits, 9));   // 三十
    const int tens = day <= 10 ? 0 : day < 20 ? 1 : 2;
    const int unit = day <= 10 ? day : day - 10 * tens;
    text += character(kDayTens, tens);
    text += character(kDayUnits, unit - 1);
    return text;
}

}  // namespace deskcal

#include "deskcal/calendar/solar_term.h"

#include <array>
#include <cstdint>

#include "deskcal/calendar/lunar_tables.h"

namespace deskcal {

namespace {

constexpr std::array<const char*, 25> kTermNames = {
    "",     "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

}  // namespace

int TermOfDay(int year, int month, int day) {
    const std::uint8_t t = kSolarTermDays[12 * (year - kFirstYear) + month - 1];
    const int candidate = day < 15 ? 15 - (t >> 4) : 15 + (t & 0x0F);
    if (day != candidate) return 0;
    return day > 15 ? 2 * month : 2 * month - 1;
}

std::string solar_term_name(int term) { return kTermNames.at(static_cast<std::size_t>(term)); }

}  // namespace deskcal

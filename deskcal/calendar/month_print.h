// 月历打印: one month as text lines, the lunar text of each cell as the grid shows it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "deskcal/calendar/lunar_date.h"

namespace deskcal {

// The characters of a cell's lunar image: the month (正月 … 十二月) on the first
// day of a lunar month, otherwise the day (初二 … 三十). GBK.
std::string grid_lunar_text(const LunarDate& lunar);

struct YearMonth {
    int year = 0;
    int month = 0;
};

// "YYYY-MM" with a year of 1901..2050 and a month of 01..12; nothing otherwise.
std::optional<YearMonth> parse_year_month(std::string_view text);

// One line per day, tab-separated: YYYY-MM-DD, lunar Y-M-D (L after a leap
// month: 2023-2L-01), the grid's lunar text, the solar term's name or nothing.
// GBK, lines end with '\n'.
std::string PrintMonth(int year, int month);

}  // namespace deskcal

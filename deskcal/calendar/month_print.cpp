#include "deskcal/calendar/month_print.h"

#include <cstdio>

#include "deskcal/calendar/date_range.h"
#include "deskcal/calendar/gregorian.h"
#include "deskcal/calendar/lunar_text.h"
#include "deskcal/calendar/solar_term.h"

namespace deskcal {

std::string grid_lunar_text(const LunarDate& lunar) {
    return lunar.day == 1 ? lunar_month_short_text(lunar.month) : LunarDayText(lunar.day);
}

std::optional<YearMonth> parse_year_month(std::string_view text) {
    if (text.size() != 7 || text[4] != '-') return std::nullopt;
    int digits[6];
    for (int i = 0, j = 0; i < 7; ++i) {
        if (i == 4) continue;
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        digits[j++] = text[i] - '0';
    }
    const YearMonth ym{digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[4] * 10 + digits[5]};
    if (!is_shown_date(ym.year, ym.month, 1)) return std::nullopt;
    return ym;
}

std::string PrintMonth(int year, int month) {
    std::string out;
    for (int day = 1; day <= MonthDays(year, month); ++day) {
        const SolarDayInfo info = SolarToLunar(year, month, day);
        char dates[64];
        std::snprintf(dates, sizeof dates, "%04d-%02d-%02d\t%d-%d%s-%02d\t", year, month, day, info.lunar.year,
                      info.lunar.month, info.lunar.leap ? "L" : "", info.lunar.day);
        out += dates;
        out += grid_lunar_text(info.lunar);
        out += '\t';
        if (info.term != 0) out += solar_term_name(info.term);
        out += '\n';
    }
    return out;
}

}  // namespace deskcal

#include "tools/primer/calendar_data.h"

#include <map>
#include <stdexcept>
#include <vector>

#include "deskcal/calendar/lunar_text.h"
#include "engine/birth_data.h"
#include "engine/calendar_tables.h"
#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/gregorian.h"
#include "engine/lunar_calendar.h"
#include "engine/names.h"
#include "engine/options.h"
#include "engine/pillars.h"
#include "engine/solar_terms.h"
#include "platform/encoding.h"
#include "tools/primer/html.h"

namespace primer {
namespace {

using namespace orvane;

// Day numbers of the page count from its first day.
const int kDayZero = days_from_civil(kCalendarFirstYear, 1, 1);

// A GBK text as a JavaScript string literal of ASCII characters (\uXXXX for the rest).
std::string js_string(const std::string& gbk) {
    const std::optional<std::string> utf8 = platform::gbk_to_utf8(gbk);
    if (!utf8) throw std::runtime_error("a name is not GBK");
    std::string out = "\"";
    const std::string& s = *utf8;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        unsigned code = c;
        size_t length = 1;
        if (c >= 0xE0) {
            code = (c & 0x0F) << 12 | (static_cast<unsigned char>(s[i + 1]) & 0x3F) << 6 |
                   (static_cast<unsigned char>(s[i + 2]) & 0x3F);
            length = 3;
        } else if (c >= 0xC0) {
            code = (c & 0x1F) << 6 | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
            length = 2;
        }
        if (code < 0x80 && code != '"' && code != '\\')
            out += static_cast<char>(code);
        else
            out += format("\\u%04x", code);
        i += length;
    }
    return out + "\"";
}

std::string js_strings(const std::vector<std::string>& texts) {
    std::vector<std::string> literals;
    for (const auto& t : texts) literals.push_back(js_string(t));
    return "[" + join(literals, ",") + "]";
}

std::string js_ints(const std::vector<long long>& values, int perLine) {
    std::string out = "[";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += i % static_cast<size_t>(perLine) == 0 ? ",\n  " : ",";
        out += std::to_string(values[i]);
    }
    return out + "]";
}

int day_number(const SolarDate& date) { return days_from_civil(date) - kDayZero; }

// Entry k's 节 is SolarTermNo 2j - 1 and its 中气 2j (mod 24), j = k mod 12 read 1..12.
int jie_term_no(int k) { return 2 * wrap1(k, 12) - 1; }
int qi_term_no(int k) { return wrap(2 * wrap1(k, 12), 24); }

struct TermOnDay {
    int termNo;
    int hour, minute;
};

// Every term of the table by the day on which its moment falls.
std::map<int, TermOnDay> terms_by_day() {
    std::map<int, TermOnDay> days;
    for (int k = 1; has_term_entry(k); ++k) {
        const TermMoment moments[2] = {jie_moment(k), qi_moment(k)};
        const int numbers[2] = {jie_term_no(k), qi_term_no(k)};
        for (int i = 0; i < 2; ++i) {
            const std::optional<SolarDate> date = term_solar_date(moments[i]);
            if (!date) continue;
            days[day_number(*date)] = {numbers[i], moments[i].code / 100 % 100, moments[i].code % 100};
        }
    }
    return days;
}

std::string lunar_text(const LunarDate& d) {
    return format("%d-%d%s-%02d", d.year, base_month(d.monthCode), is_leap_code(d.monthCode) ? "L" : "", d.day);
}

// The engine's pillars of a birth at 23:59 of the day, clock time as entered. False where the
// tables do not hold the terms around the day.
bool pillars_at_day_end(const SolarDate& date, int pillars[3]) {
    chart = ChartState{};
    chart.solarInput = 1;
    chart.solarYear = date.year;
    chart.solarMonth = date.month;
    chart.solarDay = date.day;
    chart.birthHour = 23;
    chart.birthMinute = 59;
    chart.currentLunarYear = kTableLastYear;
    if (!complete_birth_data()) return false;
    const int k0 = 12 * (chart.lunarYear - kTableFirstYear) + base_month(chart.lunarMonthCode) - 1;
    if (!has_term_entry(k0 + 1) || !has_term_entry(k0 + 2)) return false;
    options = Options{1, 1, 0, 0};
    compute_pillars();
    pillars[0] = chart.yearPillar;
    pillars[1] = chart.monthPillar;
    pillars[2] = chart.dayPillar;
    return true;
}

std::string utf8(const std::string& gbk) { return platform::gbk_to_utf8_lossy(gbk); }

}  // namespace

std::string calendar_data_script() {
    std::vector<long long> years;
    for (int y = kTableFirstYear; y <= kTableLastYear; ++y) {
        const std::optional<SolarDate> newYear = solar_date_of_lunar({y, 1, 1});
        if (!newYear) throw std::runtime_error(format("lunar year %d has no new year's day", y));
        const int leap = leapMonthOfYear(y);
        long long bits = 0;
        for (int m = 1; m <= 12; ++m)
            if (lunar_month_length(y, m) == 30) bits |= 1LL << (m - 1);
        if (leap != 0 && lunar_month_length(y, leap + 20) == 30) bits |= 1LL << 12;
        years.push_back(day_number(*newYear));
        years.push_back(leap);
        years.push_back(bits);
    }

    std::vector<long long> terms;
    for (int k = 1; has_term_entry(k); ++k) {
        for (const TermMoment& moment : {jie_moment(k), qi_moment(k)}) {
            const std::optional<long long> minute = absolute_minute(moment);
            if (!minute) throw std::runtime_error(format("term entry %d lies outside the lunar tables", k));
            const long long value = *minute - static_cast<long long>(kDayZero) * 1440;
            if (!terms.empty() && value <= terms.back())
                throw std::runtime_error(format("term entry %d is not later than the term before it", k));
            terms.push_back(value);
        }
    }

    const std::optional<SolarDate> firstNewYear = solar_date_of_lunar({kTableFirstYear, 1, 1});
    const int anchorDay = day_number(*firstNewYear);
    const int anchorCycle = day_pillar_of(kTableFirstYear, 1, 1);

    std::vector<std::string> stems(StemNames.begin() + 1, StemNames.end());
    std::vector<std::string> branches(BranchNames.begin() + 1, BranchNames.end());
    std::vector<std::string> termNames(SolarTermNames.begin(), SolarTermNames.end());
    std::vector<std::string> dayTexts, monthTexts;
    for (int d = 1; d <= 30; ++d) dayTexts.push_back(deskcal::LunarDayText(d));
    for (int m = 1; m <= 12; ++m) monthTexts.push_back(deskcal::lunar_month_short_text(m));

    std::string out;
    out += "// Generated by tools/primer (primer_gen) from the engine's calendar tables; do not edit.\n";
    out += "// Day numbers count from 1900-01-01 (day 0); minutes from its midnight, Beijing time.\n";
    out += "var WYRL_DATA = {\n";
    out += format("firstYear: %d,\nlastYear: %d,\n", kCalendarFirstYear, kCalendarLastYear);
    out += "// Lunar years from firstLunarYear: new year's day number, the month the leap month follows\n";
    out += "// (0: none), month lengths (bit m-1 set: month m has 30 days; bit 12: the leap month).\n";
    out += format("firstLunarYear: %d,\n", kTableFirstYear);
    out += "lunarYears: " + js_ints(years, 12) + ",\n";
    out += "// Term moments from the first term on, one after another (节 and 中气 alternately).\n";
    out += format("firstTermNo: %d,\n", jie_term_no(1));
    out += "terms: " + js_ints(terms, 8) + ",\n";
    out += format("// The day pillar (cycle number, 0 = the sixtieth pair) of one day.\ncycleDay: %d,\ncycleOfDay: %d,\n", anchorDay,
                  anchorCycle);
    out += "stems: " + js_strings(stems) + ",\n";
    out += "branches: " + js_strings(branches) + ",\n";
    out += "termNames: " + js_strings(termNames) + ",\n";
    out += "// The lunar texts of the desk calendar: a day, and a month on its first day.\n";
    out += "dayTexts: " + js_strings(dayTexts) + ",\n";
    out += "monthTexts: " + js_strings(monthTexts) + "\n";
    out += "};\n";
    return out;
}

void print_engine_days(std::ostream& out) {
    const std::map<int, TermOnDay> terms = terms_by_day();
    const int first = days_from_civil(kCalendarFirstYear, 1, 1);
    const int last = days_from_civil(kCalendarLastYear, 12, 31);
    const Options saved = options;
    for (int z = first; z <= last; ++z) {
        const SolarDate date = civil_from_days(z);
        out << format("%04d-%02d-%02d\t", date.year, date.month, date.day);
        const std::optional<LunarDate> lunar = lunar_date_of_solar(date);
        out << (lunar ? lunar_text(*lunar) : "-") << '\t';
        const auto term = terms.find(z - kDayZero);
        if (term != terms.end())
            out << utf8(SolarTermNames[static_cast<size_t>(term->second.termNo)])
                << format(" %02d:%02d", term->second.hour, term->second.minute);
        out << '\t';
        int pillars[3];
        if (pillars_at_day_end(date, pillars))
            out << utf8(cycle_name(pillars[0])) << '\t' << utf8(cycle_name(pillars[1])) << '\t'
                << utf8(cycle_name(pillars[2]));
        else
            out << "-\t-\t-";
        out << '\n';
    }
    options = saved;
}

}  // namespace primer

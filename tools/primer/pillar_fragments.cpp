// How the pillars are found: the solar months and their terms, the month and hour stems
// (五虎遁, 五鼠遁), the three day-boundary settings, true solar time and the Life Palace, each
// from the engine's rules or from a chart the engine casts.
#include <cstdlib>

#include "engine/city_table.h"
#include "engine/chart_state.h"
#include "engine/life_palace.h"
#include "engine/luck.h"
#include "engine/pillars.h"
#include "engine/true_solar_time.h"
#include "engine/numerals.h"
#include "tools/primer/casting.h"
#include "tools/primer/html.h"
#include "tools/primer/words.h"

namespace primer {
namespace {

using namespace orvane;

// A day of the year (1 = 1 January of a common year, past 365 into the next January).
std::string month_day(int dayOfYear) {
    constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int n = (dayOfYear - 1) % 365 + 1;
    int month = 0;
    while (n > lengths[month]) n -= lengths[month++];
    return format("%d月%d日", month + 1, n);
}

std::string months_table(const Args&) {
    Table t;
    t.header = {"月令", "月建", "起于（节）", "约在公历", "中气", "约在公历"};
    for (int n = 1; n <= 12; ++n) {
        const int jie = 2 * n - 1;
        const int qi = (2 * n) % 24;
        t.row({num2cc(n, 2) + "月", branch(n + 2) + "月", SolarTermNames[jie], month_day(TermDayOfYearTable[jie]),
               SolarTermNames[qi], month_day(TermDayOfYearTable[qi])});
    }
    return t.html();
}

// 五虎遁: the month pillars of a year by its stem; two stems five apart share a row.
std::string month_stems(const Args&) {
    Table t;
    t.cssClass = "grid";
    t.header = {"年干＼月"};
    for (int n = 1; n <= 12; ++n) t.header.push_back(branch(n + 2) + "月");
    for (int s = 1; s <= 5; ++s) {
        const int yearPillar = cycle_of(s, is_yang(s) ? signs::子 : signs::丑);
        std::vector<std::string> row = {stem(s) + "、" + stem(s + 5) + "年"};
        for (int n = 1; n <= 12; ++n) row.push_back(pillar(month_pillar_of(n, yearPillar)));
        t.row(row);
    }
    return t.html();
}

// 五鼠遁: the hour pillars of a day by its stem.
std::string hour_stems(const Args&) {
    Table t;
    t.cssClass = "grid";
    t.header = {"日干＼时"};
    for (int b = 1; b <= 12; ++b) t.header.push_back(branch(b) + "时");
    for (int s = 1; s <= 5; ++s) {
        const int dayPillar = cycle_of(s, is_yang(s) ? signs::子 : signs::丑);
        std::vector<std::string> row = {stem(s) + "、" + stem(s + 5) + "日"};
        for (int b = 1; b <= 12; ++b) row.push_back(pillar(hour_pillar_of(b, dayPillar)));
        t.row(row);
    }
    return t.html();
}

// One birth under the three settings of the day boundary and the late 子 hour.
std::string late_zi(const Args& args) {
    BirthInput birth = birth_from_args(args, 0);
    struct Setting {
        const char* options;
        const char* name;
    };
    const Setting settings[3] = {{"1100", "子正换日，夜子时时干接次日（程序默认）"},
                                 {"1000", "子正换日，夜子时与当日子时同干"},
                                 {"0000", "子初换日（23点起算次日）"}};
    Table t;
    t.header = {"选项设置", "年柱", "月柱", "日柱", "时柱"};
    for (const Setting& s : settings) {
        birth.options = s.options;
        cast_birth(birth, false);
        t.row({s.name, pillar(chart.yearPillar), pillar(chart.monthPillar), "<b>" + pillar(chart.dayPillar) + "</b>",
               "<b>" + pillar(chart.hourPillar) + "</b>"});
    }
    return t.html();
}

std::string signed_minutes(int seconds) {
    const int s = std::abs(seconds);
    return format("%s%d分%02d秒", seconds < 0 ? "慢" : seconds > 0 ? "快" : "", s / 60, s % 60);
}

// One clock time at several places: the engine's corrections and the hour it arrives at.
std::string true_solar(const Args& args) {
    BirthInput birth = birth_from_args(args, 0);
    if (args.size() < 3) throw FragmentError("needs places as 省/市");
    Table t;
    t.header = {"出生地", "东经", "经度时差", "均时差", "真太阳时", "日柱", "时柱"};
    for (size_t i = 2; i < args.size(); ++i) {
        const size_t slash = args[i].find('/');
        if (slash == std::string::npos) throw FragmentError("a place is 省/市: " + args[i]);
        birth.province = args[i].substr(0, slash);
        birth.city = args[i].substr(slash + 1);
        if (!find_place(birth.province, birth.city)) throw FragmentError("not in the city table: " + args[i]);
        birth.options = "1110";
        cast_birth(birth, false);
        t.row({birth.province + birth.city, format("%.2f°", chart.birthLongitude),
               signed_minutes(chart.longitudeCorrectionSec), signed_minutes(chart.equationOfTimeSec),
               format("%02d:%02d", chart.solarHour, chart.solarMinute), pillar(chart.dayPillar), pillar(chart.hourPillar)});
    }
    return t.html();
}

// The Life Palace branch by month branch and hour branch, with sunrise at 卯.
std::string palace_table(const Args&) {
    Table t;
    t.cssClass = "grid";
    t.header = {"月支＼时支"};
    for (int h = 1; h <= 12; ++h) t.header.push_back(branch(h));
    for (int n = 1; n <= 12; ++n) {
        const int monthPillar = month_pillar_of(n, 1);
        std::vector<std::string> row = {branch(monthPillar) + "月"};
        for (int h = 1; h <= 12; ++h) row.push_back(branch(life_palace_of(signs::卯, monthPillar, h, 1)));
        t.row(row);
    }
    return t.html();
}

}  // namespace

std::vector<Fragment> pillar_fragments() {
    return {
        {"months", months_table},
        {"month_stems", month_stems},
        {"hour_stems", hour_stems},
        {"late_zi", late_zi},
        {"true_solar", true_solar},
        {"palace", palace_table},
    };
}

}  // namespace primer

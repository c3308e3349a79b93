// The luck periods: which way they run, how the distance to the 节 becomes a starting age, and
// one chart's periods as the engine computes them.
#include "engine/chart_state.h"
#include "engine/luck.h"
#include "report/luck_periods.h"
#include "tools/primer/casting.h"
#include "tools/primer/html.h"
#include "tools/primer/words.h"

namespace primer {
namespace {

using namespace orvane;

std::string direction_table(const Args&) {
    Table t;
    t.header = {"", "男命", "女命"};
    for (int yearPillar : {1, 2}) {  // 甲子 is a yang year, 乙丑 a yin one
        t.row({format("%s年生（年干%s）", yin_yang(yearPillar).c_str(),
                      is_yang(yearPillar) ? "甲丙戊庚壬" : "乙丁己辛癸"),
               luck_runs_forward(1, yearPillar) ? "顺排" : "逆排", luck_runs_forward(0, yearPillar) ? "顺排" : "逆排"});
    }
    return t.html();
}

// Days of 30-day months and 360-day years, as years, months and days.
std::string age_of_days(int days) {
    return format("%d年%d个月%d天", days / 360, days % 360 / 30, days % 30);
}

std::string scale_table(const Args&) {
    struct Span {
        int minutes;
        const char* name;
    };
    const Span spans[] = {{0, "正当交节"}, {120, "2小时"}, {720, "12小时"}, {1440, "1天"},  {4320, "3天"},
                          {7200, "5天"},   {14400, "10天"}, {21600, "15天"},  {43200, "30天"}};
    Table t;
    t.header = {"出生与节相距", "命书所写起运岁数", "推算交运所用（顺排）", "推算交运所用（逆排）"};
    for (const Span& s : spans) {
        const TraditionalLuckAge age = traditional_luck_age(s.minutes);
        t.row({s.name, format("%d年%d个月%d天", age.years, age.months, age.days),
               age_of_days(luck_start_days_from_minutes(s.minutes, true)),
               age_of_days(luck_start_days_from_minutes(s.minutes, false))});
    }
    return t.html();
}

// One chart's luck as the engine computes it.
std::string luck_example(const Args& args) {
    BirthInput birth = birth_from_args(args, 0);
    if (args.size() != 3 || (args[2] != "male" && args[2] != "female")) throw FragmentError("needs male or female");
    birth.male = args[2] == "male";
    cast_birth(birth, true);
    const bool forward = luck_runs_forward(chart.sexFlag, chart.yearPillar);
    const int days = luck_start_days_from_minutes(chart.luckMinutes, forward);
    std::string html = "<table>\n";
    html += "<tr><th>四柱</th><td>" + pillar(chart.yearPillar) + "　" + pillar(chart.monthPillar) + "　" +
            pillar(chart.dayPillar) + "　" + pillar(chart.hourPillar) + "</td></tr>\n";
    html += format("<tr><th>排法</th><td>%s年%s命，%s</td></tr>\n", yin_yang(chart.yearPillar).c_str(),
                   chart.sexFlag ? "男" : "女", forward ? "顺排，数到下一个节" : "逆排，数回上一个节");
    html += format("<tr><th>相距</th><td>%d分钟（约%d天%d小时）</td></tr>\n", chart.luckMinutes,
                   chart.luckMinutes / 1440, chart.luckMinutes % 1440 / 60);
    const TraditionalLuckAge age = traditional_luck_age(chart.luckMinutes);
    html += format("<tr><th>命书所写</th><td>出生后%d年%d个月%d天起运</td></tr>\n", age.years, age.months, age.days);
    html += "<tr><th>推算交运所用</th><td>" + age_of_days(days) + "</td></tr>\n";
    html += format("<tr><th>交运</th><td>%d年%d月%d日前后</td></tr>\n", chart.luckStartYear, chart.luckStartDateMonth,
                   chart.luckStartDateDay);
    html += "</table>\n";

    Table periods;
    periods.cssClass = "grid";
    periods.header = {"大运"};
    std::vector<std::string> pillars = {"干支"}, ages = {"虚岁"};
    const int first = first_luck_age();
    for (int p = 0; p < 8; ++p) {
        periods.header.push_back(format("第%d步", p + 1));
        pillars.push_back(pillar(luck_pillar_of(chart.monthPillar, p, forward)));
        ages.push_back(format("%d&ndash;%d", first + 10 * p, first + 10 * p + 9));
    }
    periods.row(pillars);
    periods.row(ages);
    return html + periods.html();
}

}  // namespace

std::vector<Fragment> luck_fragments() {
    return {
        {"luck_direction", direction_table},
        {"luck_scale", scale_table},
        {"luck_example", luck_example},
    };
}

}  // namespace primer

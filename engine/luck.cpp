#include "engine/luck.h"

#include <optional>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/derivations.h"
#include "engine/gregorian.h"
#include "engine/solar_terms.h"
#include "platform/message.h"

namespace orvane {

const std::array<int, 24> TermDayOfYearTable = {20,  35,  50,  64,  80,  95,  110, 125, 141, 156, 171, 188,
                                                204, 219, 235, 250, 266, 281, 296, 311, 326, 341, 356, 370};

namespace {

// A governing 节 farther than one solar month from the birth cannot be right.
constexpr long long kLongestSolarMonthMinutes = 32LL * 1440;

// The birth on Beijing time, the clock of the terms.
long long birthMinute() {
    const BirthMoment& at = chart.beijingTime;
    return static_cast<long long>(days_from_civil(at.solarYear, at.solarMonth, at.solarDay)) * 1440 + at.hour * 60 +
           at.minute;
}

}  // namespace

int year_shift_of_chart() {
    int d = chart.yearPillar - chart.lunarYearCycle;
    if (d > 1) d -= 60;
    if (d < -1) d += 60;
    return d;
}

void compute_luck_start() {
    const bool forward = luck_runs_forward(chart.sexFlag, chart.yearPillar);
    // The 节 that opened the birth's solar month, in the solar year of the year pillar.
    const int k = term_index(chart.yearPillarYear, chart.solarMonthNo);
    const int governing = forward ? k + 1 : k;
    std::optional<long long> term = absolute_minute(jie_moment(governing));
    long long minutes = 0;
    if (term) minutes = forward ? *term - birthMinute() : birthMinute() - *term;
    if (!term || minutes < 0 || minutes > kLongestSolarMonthMinutes) {
        platform::show_message(forward ? "Bug:shangyun1100" : "Bug:shangyun1001");
    } else {
        chart.luckMinutes = static_cast<int>(minutes);
    }

    const int L = luck_start_days_from_minutes(chart.luckMinutes, forward);
    const int M = (L % 360) / 30 + chart.solarMonthNo;
    chart.luckStartYears = L / 360 + (M - 1) / 12;
    chart.luckStartMonthNo = wrap1(M, 12);
    chart.luckStartDays = L % 30;
    // Day of the year of the start: that month's 节 plus the days; past 365 it
    // runs into the next year (day 365 itself is 31 December).
    const int n = TermDayOfYearTable[static_cast<size_t>(2 * chart.luckStartMonthNo - 1)] + chart.luckStartDays;
    chart.luckStartYear = chart.beijingTime.lunarYear + chart.luckStartYears + year_shift_of_chart() + (n - 1) / 365;
    const SolarDate start = civil_from_days(days_from_civil(2001, 1, 1) + (n - 1) % 365);  // a common year
    chart.luckStartDateMonth = start.month;
    chart.luckStartDateDay = start.day;
}

int first_luck_age() { return chart.luckStartYears + year_shift_of_chart() + 1; }

namespace {

// The annual base codes of a chart: each ten god's code rests on the pillars
// alone, except 伤官's, which also looks at the year's branch.
struct AnnualCodes {
    std::array<int, 10> ofGod{};
    std::array<int, 10> godOfStem{};  // the ten god of a year stem (n mod 10) against the day
    bool chenInPillars = false, xuInPillars = false;
};

AnnualCodes annual_codes_of_chart() {
    using namespace signs;
    const int gods[3] = {chart.tenGodYear, chart.tenGodMonth, chart.tenGodHour};
    auto amongGods = [&](std::initializer_list<int> codes) {
        for (int g : gods)
            for (int c : codes)
                if (g == c) return true;
        return false;
    };
    int wealth = 0;
    for (int g : gods) wealth += (g == 偏财 || g == 正财) ? 1 : 0;
    AnnualCodes codes;
    codes.ofGod[比肩] = 1000;
    codes.ofGod[比劫] = amongGods({食神}) ? 101 : 100;
    codes.ofGod[偏印] = 200;
    codes.ofGod[正印] = wealth >= 2 ? 301 : 300;
    codes.ofGod[七杀] = 401;
    codes.ofGod[正官] = amongGods({七杀, 伤官}) ? 501 : 500;
    codes.ofGod[偏财] = 600;
    codes.ofGod[正财] = amongGods({比劫, 偏印, 正印}) ? 701 : 700;
    codes.ofGod[食神] = (chart.harmonyCount > 0 ? 810 : 800) + (chart.punishmentCount > 0 || chart.clashCount > 0 ? 1 : 0);
    codes.ofGod[伤官] = 900;
    codes.chenInPillars = branchCount(辰) > 0;
    codes.xuInPillars = branchCount(戌) > 0;
    for (int stem = 0; stem < 10; ++stem) codes.godOfStem[static_cast<size_t>(stem)] = tenGod(chart.dayPillar, stem);
    return codes;
}

int annual_code(const AnnualCodes& codes, int yearCycle) {
    using namespace signs;
    const int god = codes.godOfStem[static_cast<size_t>(wrap(yearCycle, 10))];
    if (god != 伤官) return codes.ofGod[static_cast<size_t>(god)];
    // 伤官 meets 辰 and 戌 among the year's and the pillars' branches.
    const int branch = branch_of(yearCycle);
    const bool meets = (branch == 辰 || codes.chenInPillars) && (branch == 戌 || codes.xuInPillars);
    return codes.ofGod[伤官] + (meets ? 1 : 0);
}

}  // namespace

int annual_base_code(int yearCycle) { return annual_code(annual_codes_of_chart(), yearCycle); }

void compute_year_codes() {
    const bool forward = luck_runs_forward(chart.sexFlag, chart.yearPillar);
    const int a0 = first_luck_age();
    const AnnualCodes codes = annual_codes_of_chart();
    // Read into locals and written once: a store into the record could alias them.
    const int monthPillar = chart.monthPillar, yearCycle = chart.lunarYearCycle;
    std::array<int, 80> yearCodes{};
    for (int i = 0, c = cycle(yearCycle); i < 80; ++i, c = c == 59 ? 0 : c + 1) {
        const int age = i + 1;
        int code = annual_code(codes, c);
        if (age >= a0) {
            const int p = (age - a0) / 10;
            if (c == luck_pillar_of(monthPillar, p, forward)) code += 10000;
            if (age != a0 && wrap(age, 10) == wrap(a0, 10) && c == luck_pillar_of(monthPillar, p - 1, forward))
                code += 10000;
        }
        yearCodes[static_cast<size_t>(i)] = code;
    }
    chart.yearCodes = yearCodes;
}

}  // namespace orvane

#include "report/annual_table.h"

#include <algorithm>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/derivations.h"
#include "engine/luck.h"
#include "engine/names.h"
#include "platform/decimal.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "stars/special_stars.h"

namespace orvane {
namespace {

constexpr FieldBlock kAnnualFields = field_block("annualTable");

std::string& field(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }

std::string age2(int age) { return platform::decimal(age, 2); }

bool branches_clash(int x, int y) {
    const int gap = wrap(x, 12) - wrap(y, 12);
    return gap == 6 || gap == -6;
}

// The luck of one row: what the row shows and the pillars annual_events weighs.
struct RowLuck {
    bool started = false;   // the age has reached the first period
    bool changes = false;   // the first year of a later period
    std::optional<int> outgoing;
    int incoming = 0;       // the running pillar after any change
};

using Relation = bool (*)(int, int);

// "与年柱癸亥天合地合" … for the natal pillars, then the outgoing and running luck pillars.
std::string relations_with(int year, const RowLuck& luck, Relation related, const char* word) {
    static constexpr const char* natalLabel[4] = {"与年柱", "与月柱", "与日柱", "与时柱"};
    const int natal[4] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
    std::string text;
    for (int k = 0; k < 4; ++k)
        if (related(natal[k], year)) text += natalLabel[k] + cycle_name(natal[k]) + word;
    if (!luck.started) return text;
    if (luck.changes && related(*luck.outgoing, year)) text += "与大运" + cycle_name(*luck.outgoing) + word;
    if (related(luck.incoming, year)) text += "与大运" + cycle_name(luck.incoming) + word;
    return text;
}

}  // namespace

bool is_heaven_earth_combined(int x, int y) { return heavenEarthCombine(x, y) != 0; }

bool is_stem_controlled_branch_clashed(int x, int y) {
    if (!branches_clash(x, y)) return false;
    const int low = std::min(stem_of(x), stem_of(y));
    const int high = std::max(stem_of(x), stem_of(y));
    return low <= 4 && high - low == 6;  // 甲庚 乙辛 丙壬 丁癸
}

std::string annual_events(std::optional<int> outgoing, int incoming, int year) {
    const bool forward = luck_runs_forward(chart.sexFlag, chart.yearPillar);
    std::string text;
    if (year == cycle(chart.yearPillar + (forward ? 31 : 29))) text += "元辰之岁  ";
    if (outgoing) {
        const int from = stem_of(*outgoing), to = stem_of(incoming);
        if ((from == 10 && to == 1) || (from == 1 && to == 10)) text += "行运换甲  ";
    }
    if (is_stem_controlled_branch_clashed(year, chart.dayPillar)) text += "日犯岁君  ";
    if (year == chart.yearPillar) text += "真太岁  ";
    if (year == chart.dayPillar) text += "日年相并  ";
    // A missing outgoing pillar meets nothing; the incoming one counts before the luck starts too.
    if ((outgoing && year == *outgoing) || year == incoming) text += "岁运并临  ";
    if ((outgoing && branches_clash(*outgoing, year)) || branches_clash(incoming, year)) text += "运冲岁  ";
    return text;
}

int annual_cycle_of_age(int age) { return year_cycle_of(chart.lunarYear + age - 1); }

void write_annual_table_fields() {
    const int step = luck_runs_forward(chart.sexFlag, chart.yearPillar) ? 1 : -1;
    const int a0 = first_luck_age();
    int running = cycle(chart.monthPillar + step);
    for (int age = 1; age <= 80; ++age) {
        const int r = kAnnualFields.at(age - 1, 0);
        const int year = annual_cycle_of_age(age);
        field(r) = std::to_string(chart.lunarYear + age - 1);
        field(r + 1) = cycle_name(year);
        field(r + 2) = age2(age);
        field(r + 3) = TenGodNames[static_cast<std::size_t>(tenGod(chart.dayPillar, year))];
        field(r + 4) = cycle_name(chart.hourPillar + step * age);

        RowLuck luck;
        luck.incoming = running;
        if (age < a0) {
            field(r + 5) = "未上大运";
        } else {
            luck.started = true;
            luck.outgoing = running;
            field(r + 5) = cycle_name(running);
            if (age != a0 && wrap(age, 10) == wrap(a0, 10)) {
                luck.changes = true;
                running = cycle(running + step);
                luck.incoming = running;
                field(r + 5) += "、" + cycle_name(running);
            }
        }
        field(r + 6) = annual_events(luck.outgoing, luck.incoming, year) +
                       relations_with(year, luck, is_heaven_earth_combined, "天合地合") +
                       relations_with(year, luck, is_stem_controlled_branch_clashed, "天克地冲");
        field(r + 7) = StarsOfPassingBranch(year);
    }
}

}  // namespace orvane

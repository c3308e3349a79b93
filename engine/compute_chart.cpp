#include "engine/compute_chart.h"

#include "engine/bone_weight.h"
#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/derivations.h"
#include "engine/life_palace.h"
#include "engine/luck.h"
#include "engine/patterns.h"
#include "engine/pillars.h"
#include "engine/chart_code.h"
#include "engine/luck_year_slots.h"
#include "engine/strength.h"

namespace orvane {
namespace {

void compute_hidden_stems() {
    const int branches[4] = {chart.yearBranch, chart.monthBranch, chart.dayBranch, chart.hourBranch};
    for (size_t row = 0; row < 4; ++row) {
        chart.hiddenStems[row] = hidden_stems_of(branches[row]);
        for (size_t i = 0; i < 3; ++i) chart.hiddenTenGods[row][i] = tenGod(chart.dayPillar, chart.hiddenStems[row][i]);
    }
}

}  // namespace

void split_pillars() {
    chart.yearStem = stem_of(chart.yearPillar);
    chart.yearBranch = branch_of(chart.yearPillar);
    chart.monthStem = stem_of(chart.monthPillar);
    chart.monthBranch = branch_of(chart.monthPillar);
    chart.dayStem = stem_of(chart.dayPillar);
    chart.dayBranch = branch_of(chart.dayPillar);
    chart.hourStem = stem_of(chart.hourPillar);
    chart.hourBranch = branch_of(chart.hourPillar);
}

void compute_chart() {
    clear_derived_fields(chart);
    compute_pillars();
    chart.chartCode = make_chart_code();
    split_pillars();

    chart.tenGodYear = tenGod(chart.dayPillar, chart.yearPillar);
    chart.tenGodMonth = tenGod(chart.dayPillar, chart.monthPillar);
    chart.tenGodDay = 0;
    chart.tenGodHour = tenGod(chart.dayPillar, chart.hourPillar);

    chart.voidBranch.year = voidBranchOf(chart.yearPillar);
    chart.voidBranch.month = voidBranchOf(chart.monthPillar);
    chart.voidBranch.day = voidBranchOf(chart.dayPillar);
    chart.voidBranch.hour = voidBranchOf(chart.hourPillar);

    compute_hidden_stems();
    compute_life_palace();

    // 胎元: the month pillar with the stem one on and the branch three on.
    chart.fetalOrigin = cycle(chart.monthPillar + 51);
    chart.voidBranch.lifePalace = voidBranchOf(chart.lifePalace);
    chart.voidBranch.fetalOrigin = voidBranchOf(chart.fetalOrigin);

    compute_element_strength();
    compute_warmth();
    compute_luck_start();
    chart.chartComputed = 1;
    compute_bone_weight();

    chart.lifeStage.year = lifeStageOf(chart.yearPillar);
    chart.lifeStage.month = lifeStageOf(chart.monthPillar);
    chart.lifeStage.day = lifeStageOf(chart.dayPillar);
    chart.lifeStage.hour = lifeStageOf(chart.hourPillar);

    compute_wonder_flags();
    compute_pair_counters();
    compute_pattern_flags();
    build_luck_year_slots();
    compute_year_codes();
}

}  // namespace orvane

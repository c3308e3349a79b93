#include "report/luck_periods.h"

#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/derivations.h"
#include "engine/luck.h"
#include "engine/names.h"
#include "platform/decimal.h"
#include "report/chart_page.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "stars/special_stars.h"

namespace orvane {

constexpr FieldBlock kLuckStartFields = field_block("luckStart");
constexpr FieldBlock kPeriodFields = field_block("luckPeriods");
namespace {

std::string& field(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }

std::string number2(int value) { return platform::decimal(value, 2); }

const char* element_of(int stem) { return ElementNames[static_cast<std::size_t>(element_of_stem(stem))]; }
const char* ten_god_of(int stem) { return TenGodNames[static_cast<std::size_t>(tenGod(chart.dayPillar, stem))]; }

void write_summary() {
    const TraditionalLuckAge age = traditional_luck_age(chart.luckMinutes);
    field(kLuckStartFields[0]) = std::to_string(age.years);
    field(kLuckStartFields[1]) = std::to_string(age.months);
    field(kLuckStartFields[2]) = std::to_string(age.days);
    // The stems of the years in which the luck changes: the first change and five years on.
    field(kLuckStartFields[3]) = StemNames[static_cast<std::size_t>(stem_of(chart.yearPillar + chart.luckStartYears))];
    field(kLuckStartFields[4]) = StemNames[static_cast<std::size_t>(stem_of(chart.yearPillar + chart.luckStartYears + 5))];
    field(kLuckStartFields[5]) = SolarTermNames[static_cast<std::size_t>(wrap(2 * chart.luckStartMonthNo - 1, 24))];
    field(kLuckStartFields[6]) = std::to_string(chart.luckStartDays);
    field(kLuckStartFields[7]) = std::to_string(chart.luckStartDateMonth);
    field(kLuckStartFields[8]) = std::to_string(chart.luckStartDateDay);
}

// The period's life stage walks from the month branch's, forward or backward by polarity.
int period_life_stage(int period) {
    const int step = (chart.sexFlag + chart.dayPillar + chart.yearPillar) % 2 != 0 ? 1 : -1;
    return wrap(chart.lifeStage.month + step * (period + 1), 12);
}

void write_period(int period) {
    const int p = kPeriodFields.at(period, 1);  // fields p - 1 … p + 21
    const int firstAge = first_luck_age() + 10 * period;
    const int h = luck_period_pillar(period);
    field(p - 1) = std::to_string(chart.luckStartYear + 10 * period);
    field(p) = number2(chart.luckStartDateMonth);
    field(p + 1) = number2(chart.luckStartDateDay);
    field(p + 2) = std::to_string(chart.luckStartYear + 10 * period + 10);
    field(p + 3) = number2(chart.luckStartDateMonth);
    field(p + 4) = number2(chart.luckStartDateDay);
    field(p + 5) = number2(firstAge);
    field(p + 6) = number2(firstAge + 10);
    field(p + 7) = cycle_name(h);
    field(p + 8) = element_of(stem_of(h));
    field(p + 9) = ten_god_of(stem_of(h));
    const std::array<int, 3>& hidden = hidden_stems_of(branch_of(h));
    for (std::size_t k = 0; k < 3; ++k) write_hidden_stem_fields(p + 10 + 3 * static_cast<int>(k), hidden[k]);
    field(p + 19) = LifeStageNames[static_cast<std::size_t>(period_life_stage(period))];
    field(p + 20) = NayinNames[static_cast<std::size_t>(nayin_code(h))];
    field(p + 21) = StarsOfPassingBranch(h);
}

}  // namespace

int luck_period_pillar(int period) {
    return luck_pillar_of(chart.monthPillar, period, luck_runs_forward(chart.sexFlag, chart.yearPillar));
}

void write_luck_period_fields() {
    write_summary();
    for (int period = 0; period < 8; ++period) write_period(period);
}

}  // namespace orvane

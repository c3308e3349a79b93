#include "engine/patterns.h"

#include <array>
#include <utility>

#include "engine/chart_state.h"
#include "engine/derivations.h"

namespace orvane {
namespace {

using Pair = std::pair<int, int>;

// Branches as n mod 12 (0 = 亥), stems as n mod 10 (0 = 癸).
constexpr std::array<Pair, 5> kPunishments = {{{1, 4}, {2, 11}, {11, 8}, {3, 6}, {6, 9}}};
constexpr std::array<Pair, 6> kClashes = {{{1, 7}, {2, 8}, {3, 9}, {4, 10}, {5, 11}, {6, 0}}};
constexpr std::array<Pair, 6> kBranchHarmonies = {{{1, 2}, {3, 0}, {4, 11}, {5, 10}, {6, 9}, {7, 8}}};
constexpr std::array<Pair, 5> kStemHarmonies = {{{1, 6}, {2, 7}, {3, 8}, {4, 9}, {5, 0}}};

template <size_t N>
int count_branch_pairs(const std::array<Pair, N>& pairs) {
    int count = 0;
    for (auto [a, b] : pairs)
        if (branchCount(a) > 0 && branchCount(b) > 0) ++count;
    return count;
}

bool present(int code) { return chart.tenGodYear == code || chart.tenGodMonth == code || chart.tenGodHour == code; }

}  // namespace

int three_wonders_of(int yearStem, int monthStem, int dayStem, int hourStem) {
    auto inOrder = [&](int a, int b, int c) {
        return (yearStem == a && monthStem == b && dayStem == c) || (monthStem == a && dayStem == b && hourStem == c);
    };
    if (inOrder(1, 5, 7)) return 1;   // 甲戊庚, the stars of heaven
    if (inOrder(9, 10, 8)) return 2;  // 壬癸辛, the stars of man
    if (inOrder(2, 3, 4)) return 3;   // 乙丙丁, the stars of earth
    return 0;
}

void compute_pair_counters() {
    chart.punishmentCount = count_branch_pairs(kPunishments);
    chart.clashCount = count_branch_pairs(kClashes);
    int harmonies = count_branch_pairs(kBranchHarmonies);
    for (auto [a, b] : kStemHarmonies)
        if (stemCount(a) > 0 && stemCount(b) > 0) ++harmonies;
    chart.harmonyCount = harmonies;
}

void compute_wonder_flags() {
    chart.threeWonders = three_wonders_of(chart.yearStem, chart.monthStem, chart.dayStem, chart.hourStem);
    chart.pairedPillars = chart.yearPillar == chart.monthPillar && chart.dayPillar == chart.hourPillar ? 1 : 0;
}

void compute_pattern_flags() {
    const bool punishment = chart.punishmentCount > 0;
    const bool clash = chart.clashCount > 0;
    const bool harmony = chart.harmonyCount > 0;

    chart.hurtingOfficerFlag = !present(9) ? 0 : punishment && clash ? 4 : punishment ? 3 : clash ? 2 : 1;
    chart.clashHarmonyBalance = clash == harmony ? 1 : 0;
    chart.punishClashFlag = punishment && clash ? 1 : 0;

    const int pillars[4] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
    int yang = 0;
    for (int p : pillars) yang += p % 2;
    const int sex = chart.sexFlag ? 10 : 20;
    chart.polarityPattern = yang == 4 ? sex + 1 : yang == 0 ? sex + 2 : 0;

    chart.harmonyRich = chart.harmonyCount > 2 || (!clash && harmony) ? 1 : 0;
    chart.sevenKillingsPattern =
        !present(4) ? 0 : 1010 + ((present(5) || present(9)) ? 100 : 0) + ((punishment || clash) ? 1 : 0);
    chart.wonderOrPairFlag = chart.threeWonders != 0 || chart.pairedPillars == 1 ? 1 : 0;
    chart.jiaziJiawuDay = chart.dayPillar == 1 || chart.dayPillar == 31 ? 1 : 0;
    chart.mixedStarsFlag = present(7) && present(6) ? 3 : present(5) && present(4) ? 2 : present(3) && present(2) ? 1 : 0;
    chart.uniformPillars = (chart.yearStem == chart.monthStem && chart.monthStem == chart.dayStem &&
                            chart.dayStem == chart.hourStem) ||
                                   (chart.yearBranch == chart.monthBranch && chart.monthBranch == chart.dayBranch &&
                                    chart.dayBranch == chart.hourBranch)
                               ? 1
                               : 0;
}

}  // namespace orvane

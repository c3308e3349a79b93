#include "engine/strength.h"

#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"

namespace orvane {
namespace {

constexpr int element_index_of_stem(int stem) { return (stem - 1) / 2; }  // [0, 4]

// 亥子丑 winter 0, 寅卯辰 spring 1, 巳午未 summer 2, 申酉戌 autumn 3.
constexpr int season_of_branch(int branch) { return wrap(branch, 12) / 3; }

// The stems that rule each season: winter 壬癸, spring 甲乙, summer 丙丁, autumn 庚辛.
constexpr bool stem_rules_season(int stem, int season) {
    constexpr int firstStem[4] = {9, 1, 3, 7};
    return stem == firstStem[season] || stem == firstStem[season] + 1;
}

}  // namespace

void compute_element_strength() {
    const auto& season = SeasonFactor[static_cast<size_t>(wrap(chart.monthPillar, 12))];
    auto& score = chart.elementScore;
    score.fill(0.0f);
    for (int stem : {chart.yearStem, chart.monthStem, chart.dayStem, chart.hourStem}) {
        size_t e = static_cast<size_t>(element_index_of_stem(stem));
        score[e] += season[e];
    }
    for (size_t e = 0; e < 5; ++e)
        for (int pillar : {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar})
            score[e] += BranchContent[static_cast<size_t>(wrap(pillar, 12))][e] * season[e];
    const size_t d = static_cast<size_t>(element_index_of_stem(chart.dayStem));
    const size_t g = (d + 4) % 5;  // the element that produces the day master
    chart.supportScore = score[d] + score[g];
    float total = 0.0f;
    for (float s : score) total += s;
    chart.opposeScore = total - chart.supportScore;
}

void compute_warmth() {
    const int season = season_of_branch(chart.monthPillar);
    float warmth = 0.0f;
    for (int stem : {chart.yearStem, chart.monthStem, chart.dayStem, chart.hourStem}) {
        float w = static_cast<float>(StemWarmth[static_cast<size_t>(stem)]);
        warmth += stem_rules_season(stem, season) ? w * 1.2f : w;
    }
    for (int pillar : {chart.yearPillar, chart.dayPillar, chart.hourPillar}) {
        float w = static_cast<float>(BranchWarmth[static_cast<size_t>(wrap(pillar, 12))]);
        warmth += season_of_branch(pillar) == season ? w * 1.2f : w;
    }
    warmth += static_cast<float>(BranchWarmth[static_cast<size_t>(wrap(chart.monthPillar, 12))]) * 1.2f;
    chart.warmth = warmth;
}

std::vector<int> usefulElements(int dayStem, bool strong) {
    const int d = element_index_of_stem(dayStem);
    if (strong) return {(d + 1) % 5, (d + 2) % 5, (d + 3) % 5};
    return {d, (d + 4) % 5};
}

std::vector<std::string> balancing_signs(float warmth) {
    std::vector<std::string> signs;
    auto consider = [&](int w, const char* name) {
        if (static_cast<int>(static_cast<float>(w) + warmth) == 0) signs.emplace_back(name);
    };
    for (int i = 0; i < 10; ++i) consider(StemWarmth[static_cast<size_t>(i == 0 ? 10 : i)], StemNames[static_cast<size_t>(wrap1(i, 10))]);
    for (int i = 0; i < 12; ++i) consider(BranchWarmth[static_cast<size_t>(i)], BranchNames[static_cast<size_t>(wrap1(i, 12))]);
    if (signs.empty()) {
        if (warmth > 7.0f) signs = {"癸", "子"};
        else if (warmth < -7.0f) signs = {"丙", "巳"};
    }
    return signs;
}

}  // namespace orvane

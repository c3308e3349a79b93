#include "report/strength.h"

#include <cstdio>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "report/report_fields.h"

namespace orvane {
namespace {

constexpr int elementIndexOfStem(int stem) { return (stem - 1) / 2; }  // [0, 4]

// 亥子丑 winter 0, 寅卯辰 spring 1, 巳午未 summer 2, 申酉戌 autumn 3.
constexpr int seasonOfBranch(int branch) { return wrap(branch, 12) / 3; }

// The stems that rule each season: winter 壬癸, spring 甲乙, summer 丙丁, autumn 庚辛.
constexpr bool stemRulesSeason(int stem, int season) {
    constexpr int firstStem[4] = {9, 1, 3, 7};
    return stem == firstStem[season] || stem == firstStem[season] + 1;
}

std::string formatted(const char* pattern, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

}  // namespace

void compute_element_strength() {
    const auto& season = SeasonFactor[static_cast<size_t>(wrap(chart.monthPillar, 12))];
    auto& score = chart.elementScore;
    score.fill(0.0f);
    for (int stem : {chart.yearStem, chart.monthStem, chart.dayStem, chart.hourStem}) {
        size_t e = static_cast<size_t>(elementIndexOfStem(stem));
        score[e] += season[e];
    }
    for (size_t e = 0; e < 5; ++e)
        for (int pillar : {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar})
            score[e] += BranchContent[static_cast<size_t>(wrap(pillar, 12))][e] * season[e];
    const size_t d = static_cast<size_t>(elementIndexOfStem(chart.dayStem));
    const size_t g = (d + 4) % 5;  // the element that produces the day master
    chart.supportScore = score[d] + score[g];
    float total = 0.0f;
    for (float s : score) total += s;
    chart.opposeScore = total - chart.supportScore;
}

void compute_warmth() {
    const int season = seasonOfBranch(chart.monthPillar);
    float warmth = 0.0f;
    for (int stem : {chart.yearStem, chart.monthStem, chart.dayStem, chart.hourStem}) {
        float w = static_cast<float>(StemWarmth[static_cast<size_t>(stem)]);
        warmth += stemRulesSeason(stem, season) ? w * 1.2f : w;
    }
    for (int pillar : {chart.yearPillar, chart.dayPillar, chart.hourPillar}) {
        float w = static_cast<float>(BranchWarmth[static_cast<size_t>(wrap(pillar, 12))]);
        warmth += seasonOfBranch(pillar) == season ? w * 1.2f : w;
    }
    warmth += static_cast<float>(BranchWarmth[static_cast<size_t>(wrap(chart.monthPillar, 12))]) * 1.2f;
    chart.warmth = warmth;
}

void write_strength_fields() {
    static constexpr const char* kElementNames[5] = {"木", "火", "土", "金", "水"};
    auto& f = ReportFieldTable;
    f[701] = formatted("%.3f", chart.supportScore);
    f[702] = formatted("%.3f", chart.opposeScore);
    const bool strong = chart.supportScore >= chart.opposeScore;
    f[703] = strong ? "强" : "弱";
    const int d = elementIndexOfStem(chart.dayStem);
    std::string useful;
    if (strong) {
        // What the day master produces, what it controls, what controls it.
        useful = std::string(kElementNames[(d + 1) % 5]) + "、" + kElementNames[(d + 2) % 5] + "、" +
                 kElementNames[(d + 3) % 5];
    } else {
        // Its own element and what produces it.
        useful = std::string(kElementNames[d]) + "、" + kElementNames[(d + 4) % 5];
    }
    f[704] = useful;
    for (int e = 0; e < 5; ++e) f[static_cast<size_t>(705 + e)] = formatted("%.3f", chart.elementScore[static_cast<size_t>(e)]);
    f[711] = formatted("%.1f", chart.warmth);

    // The stems (癸 甲 … 壬) and branches (亥 子 … 戌) whose warmth would bring
    // the chart into balance.
    static constexpr const char* kStems[10] = {"癸", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬"};
    static constexpr const char* kBranches[12] = {"亥", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌"};
    std::string balance;
    auto consider = [&](int w, const char* name) {
        if (static_cast<int>(static_cast<float>(w) + chart.warmth) == 0) {
            if (!balance.empty()) balance += "、";
            balance += name;
        }
    };
    for (int i = 0; i < 10; ++i) consider(StemWarmth[static_cast<size_t>(i == 0 ? 10 : i)], kStems[i]);
    for (int i = 0; i < 12; ++i) consider(BranchWarmth[static_cast<size_t>(i)], kBranches[i]);
    if (balance.empty()) {
        if (chart.warmth > 7.0f) balance = "癸、子";
        else if (chart.warmth < -7.0f) balance = "丙、巳";
    }
    f[712] = balance;
}

}  // namespace orvane

#include "engine/derivations.h"

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"

namespace orvane {

int life_stage_of_branch(int dayPillarOrStem, int branchOrPillar) {
    const int r = wrap(branchOrPillar, 12);  // 0 = 亥
    switch (wrap(dayPillarOrStem, 10)) {     // 0 = 癸
    case 1: return r;                         // 甲: 长生 in 亥
    case 3: case 5: return wrap(r + 9, 12);   // 丙戊: 长生 in 寅
    case 7: return wrap(r + 6, 12);           // 庚: 长生 in 巳
    case 9: return wrap(r + 3, 12);           // 壬: 长生 in 申
    case 2: return wrap(19 - r, 12);          // 乙: 长生 in 午, counted backward
    case 4: case 6: return wrap(22 - r, 12);  // 丁己: 长生 in 酉
    case 8: return wrap(13 - r, 12);          // 辛: 长生 in 子
    default: return wrap(16 - r, 12);         // 癸: 长生 in 卯
    }
}

int lifeStageOf(int pillar) { return life_stage_of_branch(chart.dayPillar, pillar); }

const std::array<int, 3>& hidden_stems_of(int branch) {
    static constexpr std::array<std::array<int, 3>, 13> kHidden = {{
        {-1, -1, -1},
        {10, -1, -1},  // 子: 癸
        {6, 8, 10},    // 丑: 己 辛 癸
        {1, 3, 5},     // 寅: 甲 丙 戊
        {2, -1, -1},   // 卯: 乙
        {5, 2, 10},    // 辰: 戊 乙 癸
        {3, 5, 7},     // 巳: 丙 戊 庚
        {4, 6, -1},    // 午: 丁 己
        {6, 4, 2},     // 未: 己 丁 乙
        {7, 5, 9},     // 申: 庚 戊 壬
        {8, -1, -1},   // 酉: 辛
        {5, 8, 4},     // 戌: 戊 辛 丁
        {9, 1, -1},    // 亥: 壬 甲
    }};
    return kHidden[static_cast<size_t>(wrap1(branch, 12))];
}

int branchCount(int b) {
    const int target = wrap(b, 12);
    int count = 0;
    for (int p : {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar})
        if (wrap(p, 12) == target) ++count;
    return count;
}

int stemCount(int s) {
    const int target = wrap(s, 10);
    int count = 0;
    for (int p : {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar})
        if (wrap(p, 10) == target) ++count;
    return count;
}

std::string stemName(int stem) {
    if (stem == -1) return "  ";
    if (stem < 1 || stem > 10) return "";
    return StemNames[static_cast<size_t>(stem)];
}

int heavenEarthCombine(int p, int q) {
    const int stemGap = wrap(p, 10) - wrap(q, 10);
    const int branchSum = wrap(p, 12) + wrap(q, 12);
    return (stemGap == 5 || stemGap == -5) && (branchSum == 3 || branchSum == 15) ? 1 : 0;
}

int heavenEarthClash(int p, int q) {
    const int branchGap = wrap(p, 12) - wrap(q, 12);
    if (branchGap != 6 && branchGap != -6) return 0;
    // The stem that controls each stem from the opposite polarity side: 甲–庚 … 癸–丁, 戊–己.
    static constexpr int kPartner[10] = {4, 7, 8, 9, 10, 6, 5, 1, 2, 3};  // by stem mod 10 (0 = 癸)
    return kPartner[wrap(p, 10)] == wrap1(q, 10) ? 1 : 0;
}

}  // namespace orvane

// 干支 — stems, branches and the sixty-pair cycle, as plain integers.
//   StemIndex   [1, 10]: 1 甲 … 10 癸, odd = yang.
//   BranchIndex [1, 12]: 1 子 … 12 亥, odd = yang.
//   CycleIndex  [0, 59]: 1 甲子 … 59 壬戌, 0 = 癸亥 (the 60th), as every pillar is stored.
//   Element     [1, 5]:  1 wood, 2 fire, 3 earth, 4 metal, 5 water (generating order).
#pragma once

namespace orvane {

// Remainder in [0, m) for any sign of n.
constexpr int wrap(int n, int m) {
    int r = n % m;
    return r < 0 ? r + m : r;
}

// Remainder in [1, m]: a remainder of 0 reads as m (癸 for stems, 亥 for branches, 60 for cycles).
constexpr int wrap1(int n, int m) {
    int r = wrap(n, m);
    return r == 0 ? m : r;
}

// Stores any cycle ordinal as a pillar value [0, 59].
constexpr int cycle(int n) { return wrap(n, 60); }
// A pillar read as its ordinal [1, 60] (0 reads as 60).
constexpr int cycle_ordinal(int n) { return wrap1(n, 60); }

constexpr int stem_of(int cycleIndex) { return wrap1(cycleIndex, 10); }
constexpr int branch_of(int cycleIndex) { return wrap1(cycleIndex, 12); }

// The pillar of a stem and a branch of the same polarity; -1 when they differ.
constexpr int cycle_of(int stem, int branch) {
    if ((stem + branch) % 2 != 0) return -1;
    for (int n = 0; n < 60; ++n)
        if (stem_of(n) == stem && branch_of(n) == branch) return n;
    return -1;
}

constexpr bool is_yang(int n) { return wrap(n, 2) == 1; }

// 五行 of a stem [1, 10] → element [1, 5].
constexpr int element_of_stem(int stem) { return (stem + 1) / 2; }

// 季节五行 of a branch: 寅卯 wood, 巳午 fire, 申酉 metal, 亥子 water, 辰未戌丑 earth.
constexpr int seasonal_element_of_branch(int branch) {
    constexpr int table[13] = {0, 5, 3, 1, 1, 3, 2, 2, 3, 4, 4, 3, 5};
    return table[wrap1(branch, 12)];
}

// Element e generates e + 1 and controls e + 2 (water generates wood).
constexpr int generated_by(int element) { return wrap1(element + 1, 5); }
constexpr int controlled_by(int element) { return wrap1(element + 2, 5); }

// 年柱 of a year counted from 立春: 1864, 1924, 1984 and 2044 are 甲子.
constexpr int year_cycle_of(int year) { return cycle(year - 1863); }

// 五虎遁 — the 寅 month pillar of a year: 甲己 years open with 丙寅, 乙庚 with 戊寅,
// 丙辛 with 庚寅, 丁壬 with 壬寅, 戊癸 with 甲寅.
constexpr int first_month_pillar_of(int yearPillar) { return cycle(12 * cycle_ordinal(yearPillar) - 9); }

// The pillar of solar month n [1, 12] (1 = 寅, opened by 立春) of a year.
constexpr int month_pillar_of(int solarMonth, int yearPillar) {
    return cycle(first_month_pillar_of(yearPillar) + solarMonth - 1);
}

// 五鼠遁 — the 子 hour pillar of a day: 甲己 days open with 甲子, 乙庚 with 丙子,
// 丙辛 with 戊子, 丁壬 with 庚子, 戊癸 with 壬子.
constexpr int first_hour_pillar_of(int dayPillar) { return cycle(12 * cycle_ordinal(dayPillar) - 11); }

// The pillar of the two-hour period hourBranch [1, 12] of a day.
constexpr int hour_pillar_of(int hourBranch, int dayPillar) {
    return cycle(first_hour_pillar_of(dayPillar) + hourBranch - 1);
}

// 纳音 code [0, 29] of a pillar.
constexpr int nayin_code(int cycleIndex) { return ((wrap(cycleIndex, 60) + 1) / 2) % 30; }

// The signs by name, so that tables and rules read as the literature writes them.
namespace signs {
// 天干 StemIndex [1, 10]
inline constexpr int 甲 = 1, 乙 = 2, 丙 = 3, 丁 = 4, 戊 = 5, 己 = 6, 庚 = 7, 辛 = 8, 壬 = 9, 癸 = 10;
// 地支 BranchIndex [1, 12]
inline constexpr int 子 = 1, 丑 = 2, 寅 = 3, 卯 = 4, 辰 = 5, 巳 = 6, 午 = 7, 未 = 8, 申 = 9, 酉 = 10,
                     戌 = 11, 亥 = 12;
// 五行 [1, 5]
inline constexpr int 木 = 1, 火 = 2, 土 = 3, 金 = 4, 水 = 5;
// 十神 TenGodCode [0, 10]; 10 = none
inline constexpr int 比肩 = 0, 比劫 = 1, 偏印 = 2, 正印 = 3, 七杀 = 4, 正官 = 5, 偏财 = 6, 正财 = 7,
                     食神 = 8, 伤官 = 9, kNoTenGod = 10;
}  // namespace signs

}  // namespace orvane

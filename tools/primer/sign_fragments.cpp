// Stems, branches, the sixty pairs, the ten gods, the twelve stages and the relations of
// branches, read from the engine's names and pure functions.
#include <utility>

#include "engine/chart_state.h"
#include "engine/derivations.h"
#include "engine/patterns.h"
#include "engine/true_solar_time.h"
#include "engine/numerals.h"
#include "stars/nayin_element.h"
#include "stars/shensha_tables.h"
#include "tools/primer/fragments.h"
#include "tools/primer/html.h"
#include "tools/primer/words.h"

namespace primer {
namespace {

using namespace orvane;

// The stages of a stem found by the engine's own table.
int branch_at_stage(int s, int stage) {
    for (int b = 1; b <= 12; ++b)
        if (life_stage_of_branch(s, b) == stage) return b;
    return 0;
}

// The hours of a two-hour period, from the engine's hour rule.
std::string hours_of(int b) {
    int first = -1;
    for (int h = 0; h < 24; ++h) {
        const int start = (h + 23) % 24;  // begin at 23:00 so that 子 is one run
        if (hour_branch_of_hour(start) == b) {
            first = start;
            break;
        }
    }
    int last = first;
    while (hour_branch_of_hour((last + 1) % 24) == b) last = (last + 1) % 24;
    return format("%02d:00&ndash;%02d:59", first, last);
}

const char* const kHiddenRoles[3] = {"本气", "中气", "余气"};

std::string hidden_stems(int b, bool withElements) {
    std::vector<std::string> parts;
    const auto& hidden = hidden_stems_of(b);
    for (int i = 0; i < 3; ++i) {
        if (hidden[static_cast<size_t>(i)] < 0) continue;
        const int s = hidden[static_cast<size_t>(i)];
        parts.push_back(stem(s) + (withElements ? element(element_of_stem(s)) : "") +
                        (withElements ? std::string("<small>") + kHiddenRoles[i] + "</small>" : ""));
    }
    return join(parts, withElements ? "　" : "");
}

// A chart holding the given four pillars, for asking the engine's counters.
void set_pillars(int y, int m, int d, int h) {
    chart = ChartState{};
    chart.yearPillar = y;
    chart.monthPillar = m;
    chart.dayPillar = d;
    chart.hourPillar = h;
}

// The pillar of a branch with a stem of its polarity that combines with no other stem used.
int plain_pillar(int b) { return cycle_of(is_yang(b) ? signs::甲 : signs::丁, b); }

enum class PairKind { harmony, clash, punishment };

// Whether the engine counts the branches x and y as a pair of that kind.
bool counted_pair(int x, int y, PairKind kind) {
    set_pillars(plain_pillar(x), plain_pillar(y), plain_pillar(x), plain_pillar(x));
    compute_pair_counters();
    switch (kind) {
        case PairKind::harmony: return chart.harmonyCount > 0;
        case PairKind::clash: return chart.clashCount > 0;
        case PairKind::punishment: return chart.punishmentCount > 0;
    }
    return false;
}

// Whether the engine counts stems a and b as combining (a 合): the branches 子 and 卯 used
// with them form no harmony.
bool counted_stem_pair(int a, int b) {
    const int pa = cycle_of(a, is_yang(a) ? signs::子 : signs::卯);
    const int pb = cycle_of(b, is_yang(b) ? signs::子 : signs::卯);
    set_pillars(pa, pb, pa, pa);
    compute_pair_counters();
    return chart.harmonyCount > 0;
}

std::vector<std::pair<int, int>> branch_pairs(PairKind kind) {
    std::vector<std::pair<int, int>> pairs;
    for (int x = 1; x <= 12; ++x)
        for (int y = x + 1; y <= 12; ++y)
            if (counted_pair(x, y, kind)) pairs.emplace_back(x, y);
    return pairs;
}

std::string stems_table(const Args&) {
    Table t;
    t.header = {"天干", "序号", "阴阳", "五行", "长生", "临官（禄）", "帝旺", "墓", "相合之干"};
    for (int s = 1; s <= 10; ++s) {
        std::string partner;
        for (int o = 1; o <= 10; ++o)
            if (o != s && counted_stem_pair(s, o)) partner = stem(o);
        t.row({stem(s), std::to_string(s), yin_yang(s), element(element_of_stem(s)), branch(branch_at_stage(s, 0)),
               branch(branch_at_stage(s, 3)), branch(branch_at_stage(s, 4)), branch(branch_at_stage(s, 8)), partner});
    }
    return t.html();
}

std::string branches_table(const Args&) {
    Table t;
    t.header = {"地支", "序号", "阴阳", "五行", "时辰", "月令（起于）", "藏干"};
    for (int b = 1; b <= 12; ++b) {
        // Solar month n (1 = 寅) has the branch n + 2 and opens at the 节 2n - 1.
        const int n = wrap1(b - 2, 12);
        const std::string month = num2cc(n, 2) + "月，" + SolarTermNames[2 * n - 1] + "起";
        t.row({branch(b), std::to_string(b), yin_yang(b), element(seasonal_element_of_branch(b)), hours_of(b), month,
               hidden_stems(b, true)});
    }
    return t.html();
}

// The sixty pairs as the classical table: one column per decade (旬), its void branches below.
std::string sixty_table(const Args&) {
    Table t;
    t.cssClass = "sixty";
    for (int decade = 0; decade < 6; ++decade) t.header.push_back(pillar(10 * decade + 1) + "旬");
    std::vector<std::vector<std::string>> cells(10);
    for (int row = 0; row < 10; ++row)
        for (int decade = 0; decade < 6; ++decade) {
            const int c = cycle(10 * decade + row + 1);
            cells[static_cast<size_t>(row)].push_back(
                format("<b>%s</b><br><small>%d　%s</small>", pillar(c).c_str(), cycle_ordinal(c), nayin(c).c_str()));
        }
    // Rows of the decade table have no row names: the header names the columns.
    std::string html = "<table class=\"sixty\">\n<tr>";
    for (const auto& h : t.header) html += "<th>" + h + "</th>";
    html += "</tr>\n";
    for (const auto& row : cells) {
        html += "<tr>";
        for (const auto& cell : row) html += "<td>" + cell + "</td>";
        html += "</tr>\n";
    }
    html += "<tr class=\"void\">";
    for (int decade = 0; decade < 6; ++decade) {
        const int v = voidBranchOf(10 * decade + 1);
        html += "<td>空亡：" + branch(v) + branch(v + 1) + "</td>";
    }
    return html + "</tr>\n</table>\n";
}

std::string nayin_by_element(const Args&) {
    Table t;
    t.header = {"五行", "纳音（所属两柱）"};
    for (int e = 1; e <= 5; ++e) {
        std::vector<std::string> names;
        for (int c = 1; c <= 59; c += 2)
            if (NayinElement(c) == e) names.push_back(nayin(c) + "（" + pillar(c) + pillar(c + 1) + "）");
        t.row({element(e), join(names, "、")});
    }
    return t.html();
}

std::string ten_gods_table(const Args&) {
    Table t;
    t.cssClass = "grid";
    t.header = {"日干＼他干"};
    for (int o = 1; o <= 10; ++o) t.header.push_back(stem(o));
    for (int s = 1; s <= 10; ++s) {
        std::vector<std::string> row = {stem(s) + "日"};
        for (int o = 1; o <= 10; ++o) row.push_back(ten_god(ten_god_of_stems(s, o)));
        t.row(row);
    }
    return t.html();
}

std::string ten_gods_of_branches(const Args&) {
    Table t;
    t.cssClass = "grid";
    t.header = {"日干＼地支"};
    for (int b = 1; b <= 12; ++b) t.header.push_back(branch(b) + "<br><small>" + hidden_stems(b, false) + "</small>");
    for (int s = 1; s <= 10; ++s) {
        std::vector<std::string> row = {stem(s) + "日"};
        for (int b = 1; b <= 12; ++b) {
            std::vector<std::string> gods;
            for (int h : hidden_stems_of(b))
                if (h > 0) gods.push_back(ten_god(ten_god_of_stems(s, h)));
            row.push_back(join(gods, "<br>"));
        }
        t.row(row);
    }
    return t.html();
}

// The five relations, each in the same and the other polarity, with the stems that stand in
// them to a 甲 day.
std::string ten_god_relations(const Args&) {
    const char* const relations[5] = {"同我（与日干五行相同）", "生我", "克我", "我克", "我生"};
    Table t;
    t.header = {"与日干的关系", "阴阳相同", "阴阳不同", "以甲日为例"};
    for (int k = 0; k < 5; ++k) {
        std::string same, other, example;
        for (int o = 1; o <= 10; ++o) {
            const int code = ten_god_of_stems(signs::甲, o);
            if (code / 2 != k) continue;
            (code % 2 == 0 ? same : other) = ten_god(code);
            example += stem(o) + "为" + ten_god(code) + "　";
        }
        t.row({relations[k], same, other, example});
    }
    return t.html();
}

std::string life_stages_table(const Args&) {
    Table t;
    t.cssClass = "grid";
    t.header = {"日干＼地支"};
    for (int b = 1; b <= 12; ++b) t.header.push_back(branch(b));
    for (int s = 1; s <= 10; ++s) {
        std::vector<std::string> row = {stem(s) + (is_yang(s) ? "（顺）" : "（逆）")};
        for (int b = 1; b <= 12; ++b) {
            const int code = life_stage_of_branch(s, b);
            const std::string name = life_stage(code);
            row.push_back(code == 0 || code == 3 || code == 4 ? "<b>" + name + "</b>" : name);
        }
        t.row(row);
    }
    return t.html();
}

std::string stem_combinations(const Args&) {
    std::vector<std::string> pairs;
    for (int a = 1; a <= 10; ++a)
        for (int b = a + 1; b <= 10; ++b)
            if (counted_stem_pair(a, b)) pairs.push_back(stem(a) + stem(b));
    return "<p class=\"pairs\">" + join(pairs, "　") + "</p>\n";
}

std::string branch_pair_list(const Args& args) {
    if (args.size() != 1) throw FragmentError("needs harmony, clash or punishment");
    const PairKind kind = args[0] == "harmony" ? PairKind::harmony
                          : args[0] == "clash" ? PairKind::clash
                          : args[0] == "punishment" ? PairKind::punishment
                                                    : throw FragmentError("unknown kind " + args[0]);
    std::vector<std::string> pairs;
    for (auto [x, y] : branch_pairs(kind)) pairs.push_back(branch(x) + branch(y));
    return "<p class=\"pairs\">" + join(pairs, "　") + "</p>\n";
}

// 六害, as star 213 宅杀 holds it: the branch that harms each year branch.
std::string harms(const Args&) {
    std::vector<std::string> pairs;
    for (const ShenShaRuleRow& row : shen_sha_rules(213))
        if (row.key < row.branch) pairs.push_back(branch(row.key) + branch(row.branch));
    return "<p class=\"pairs\">" + join(pairs, "　") + "</p>\n";
}

// 天克地冲 of each of the sixty pairs, by the engine's rule.
std::string heaven_earth_clash(const Args&) {
    std::string html = "<table class=\"sixty\">\n";
    for (int row = 0; row < 10; ++row) {
        html += "<tr>";
        for (int decade = 0; decade < 6; ++decade) {
            const int p = cycle(10 * decade + row + 1);
            std::vector<std::string> partners;
            for (int q = 0; q < 60; ++q)
                if (heavenEarthClash(p, q)) partners.push_back(pillar(q));
            html += "<td><b>" + pillar(p) + "</b>&nbsp;" + (partners.empty() ? "&mdash;" : join(partners, "、")) + "</td>";
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace

std::vector<Fragment> sign_fragments() {
    return {
        {"stems", stems_table},
        {"branches", branches_table},
        {"sixty", sixty_table},
        {"nayin_by_element", nayin_by_element},
        {"ten_gods", ten_gods_table},
        {"ten_gods_of_branches", ten_gods_of_branches},
        {"ten_god_relations", ten_god_relations},
        {"life_stages", life_stages_table},
        {"stem_combinations", stem_combinations},
        {"branch_pairs", branch_pair_list},
        {"harms", harms},
        {"heaven_earth_clash", heaven_earth_clash},
    };
}

}  // namespace primer

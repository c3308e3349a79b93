// The strength of the day master as the program weighs it: the season factors, the elements a
// branch holds, the warmth of each sign, the useful elements, and one chart worked through.
#include <cmath>

#include "engine/chart_state.h"
#include "report/report_fields.h"
#include "engine/strength.h"
#include "report/strength_fields.h"
#include "tools/primer/casting.h"
#include "tools/primer/html.h"
#include "tools/primer/words.h"

namespace primer {
namespace {

using namespace orvane;

// The strength tables count elements 0..4 (木 … 水) and branches modulo 12; rows here run in
// the order of the seasons, from 寅.
constexpr int kSeasonOrder[12] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};

std::string number(float value) {
    if (value == 0.0f) return "";
    return format("%g", static_cast<double>(value));
}

std::string element_table(const std::array<std::array<float, 5>, 12>& table, const char* corner, bool markMax) {
    Table t;
    t.cssClass = "grid";
    t.header = {corner};
    for (int e = 1; e <= 5; ++e) t.header.push_back(element(e));
    for (int b : kSeasonOrder) {
        const auto& row = table[static_cast<size_t>(b % 12)];
        float max = 0.0f;
        for (float v : row) max = std::fmax(max, v);
        std::vector<std::string> cells = {branch(b)};
        for (float v : row) cells.push_back(markMax && v == max ? "<b>" + number(v) + "</b>" : number(v));
        t.row(cells);
    }
    return t.html();
}

std::string season_factors(const Args&) { return element_table(SeasonFactor, "月支＼五行", true); }
std::string branch_contents(const Args&) { return element_table(BranchContent, "地支＼五行", false); }

std::string warmth_tables(const Args&) {
    Table stems;
    stems.cssClass = "grid";
    stems.header = {"天干"};
    std::vector<std::string> row = {"寒暖值"};
    for (int s = 1; s <= 10; ++s) {
        stems.header.push_back(stem(s));
        row.push_back(std::to_string(StemWarmth[static_cast<size_t>(s)]));
    }
    stems.row(row);
    Table branches;
    branches.cssClass = "grid";
    branches.header = {"地支"};
    row = {"寒暖值"};
    for (int b = 1; b <= 12; ++b) {
        branches.header.push_back(branch(b));
        row.push_back(std::to_string(BranchWarmth[static_cast<size_t>(b % 12)]));
    }
    branches.row(row);
    return stems.html() + branches.html();
}

// The producer's useful elements for a day master of each element, strong and weak.
std::string useful_elements(const Args&) {
    Table t;
    t.header = {"日主", "身强时用", "身弱时用"};
    for (int s = 1; s <= 9; s += 2) {
        std::string cells[2];
        for (int strong = 1; strong >= 0; --strong) {
            chart = ChartState{};
            chart.dayStem = s;
            chart.dayPillar = s;
            chart.supportScore = strong ? 1.0f : 0.0f;
            chart.opposeScore = strong ? 0.0f : 1.0f;
            write_strength_fields();
            cells[1 - strong] = ReportFieldTable[704];
        }
        t.row({stem(s) + stem(s + 1) + element(element_of_stem(s)), cells[0], cells[1]});
    }
    return t.html();
}

// One chart: what each stem and branch adds to each element, the engine's totals and verdict.
std::string strength_example(const Args& args) {
    BirthInput birth = birth_from_args(args, 0);
    cast_birth(birth, true);
    const int m = chart.monthBranch % 12;
    const auto& factor = SeasonFactor[static_cast<size_t>(m)];
    Table t;
    t.cssClass = "grid";
    t.header = {"得分来源"};
    for (int e = 1; e <= 5; ++e) t.header.push_back(element(e));
    float sums[5] = {};
    const int stems[4] = {chart.yearStem, chart.monthStem, chart.dayStem, chart.hourStem};
    const int branches[4] = {chart.yearBranch, chart.monthBranch, chart.dayBranch, chart.hourBranch};
    const char* const places[4] = {"年", "月", "日", "时"};
    for (int i = 0; i < 4; ++i) {
        std::vector<std::string> cells = {std::string(places[i]) + "干" + stem(stems[i])};
        const int e = element_of_stem(stems[i]) - 1;
        for (int k = 0; k < 5; ++k) {
            const float v = k == e ? factor[static_cast<size_t>(k)] : 0.0f;
            sums[k] += v;
            cells.push_back(v == 0.0f ? "" : decimal(v, 3));
        }
        t.row(cells);
    }
    for (int i = 0; i < 4; ++i) {
        std::vector<std::string> cells = {std::string(places[i]) + "支" + branch(branches[i])};
        for (int k = 0; k < 5; ++k) {
            const float v = BranchContent[static_cast<size_t>(branches[i] % 12)][static_cast<size_t>(k)] *
                            factor[static_cast<size_t>(k)];
            sums[k] += v;
            cells.push_back(v == 0.0f ? "" : decimal(v, 3));
        }
        t.row(cells);
    }
    std::vector<std::string> totals = {"合计（程序所得）"};
    for (int k = 0; k < 5; ++k) {
        if (std::fabs(sums[k] - chart.elementScore[static_cast<size_t>(k)]) > 0.001f)
            throw FragmentError("the worked sum differs from the engine's score");
        totals.push_back("<b>" + decimal(chart.elementScore[static_cast<size_t>(k)], 3) + "</b>");
    }
    t.row(totals);
    write_strength_fields();
    const int d = element_of_stem(chart.dayStem);
    std::string html = format("<p class=\"chart\">%s　%s　%s　%s（日主%s%s，生于%s月）</p>\n", pillar(chart.yearPillar).c_str(),
                              pillar(chart.monthPillar).c_str(), pillar(chart.dayPillar).c_str(),
                              pillar(chart.hourPillar).c_str(), stem(chart.dayStem).c_str(), element(d).c_str(),
                              branch(chart.monthBranch).c_str());
    html += t.html();
    html += format("<p>同类（%s与生%s的%s）：%s；异类：%s。判为<b>%s</b>，用神取<b>%s</b>。寒暖值%s，调候宜用：%s。</p>\n",
                   element(d).c_str(), element(d).c_str(), element(d - 1).c_str(), ReportFieldTable[701].c_str(),
                   ReportFieldTable[702].c_str(), ReportFieldTable[703].c_str(), ReportFieldTable[704].c_str(),
                   ReportFieldTable[711].c_str(), ReportFieldTable[712].empty() ? "无" : ReportFieldTable[712].c_str());
    return html;
}

}  // namespace

std::vector<Fragment> strength_fragments() {
    return {
        {"season_factors", season_factors},
        {"branch_contents", branch_contents},
        {"warmth_tables", warmth_tables},
        {"useful_elements", useful_elements},
        {"strength_example", strength_example},
    };
}

}  // namespace primer

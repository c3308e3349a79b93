// The special stars as the program finds them: for each star its source, the positions it is
// looked for at, the rows of its lookup table, the rule of the stars that have one of their own,
// and the paragraph the report lists it with.
#include <algorithm>
#include <map>

#include "stars/shensha_descriptions.h"
#include "stars/shensha_tables.h"
#include "stars/special_stars.h"
#include "tools/primer/fragments.h"
#include "tools/primer/html.h"
#include "tools/primer/words.h"

namespace primer {
namespace {

using namespace orvane;

const char* const kSourceNames[6] = {"", "年干", "年支", "月支", "日干", "日支"};

// What a star is looked up by: its group's chart value, or the year pillar's sound element.
std::string source_of(int starId) {
    if (starId >= 240 && starId <= 254) return "年柱纳音";
    return kSourceNames[star_group(starId)];
}
const char* const kGroupPages[6] = {"", "shensha1.htm", "shensha2.htm", "shensha3.htm", "shensha4.htm", "shensha5.htm"};

// The rule of each star that has one of its own, or that the program never finds, as the
// rules engine applies it.
const std::map<int, const char*>& own_rules() {
    static const std::map<int, const char*> rules = {
        {101, "只在寅时至申时（白天）出生时才查，夜里出生的改查玉堂。"},
        {102, "只在子、丑、酉、戌、亥时（夜里）出生时才查，白天出生的改查天乙。"},
        {129, "先以命宫的地支定行，再以年干定列，查得的地支在四支中出现即是。命宫的求法见<a href=\"sizhu.htm#minggong\">排四柱</a>一页。"},
        {207, "阳年生的男命和阴年生的女命用“阳男阴女”一行，阴年生的男命和阳年生的女命用“阴男阳女”一行。"},
        {208, "不用查表：从年支顺数三位得甲支，逆数三位得乙支（如子年为卯与酉）。月、日、时三支中甲、乙两支都有时，两处都算勾绞；否则只有见乙支的地方才算。"},
        {222, "表中每格写出一个时干和一个地支：时干相符，四支中又见该地支时即是。"},
        {228, "程序为此星留了位置，但没有给出查法，任何命盘都不会出现。"},
        {240, "整柱与表中干支相同即是。与以年支查的239白虎胎神同名，是两颗星。"},
        {241, "整柱与表中干支相同即是。"},
        {308, "只在命宫进一位时才查，也就是出生已过本月中气、命宫按下一个月推算的命盘。"},
        {322, "男命按下表以月支查年支；女命不看年支，只看年与月的配合：亥卯未年生于寅月、申子辰年生于未月、巳酉丑年生于巳月、寅午戌年生于辰月即是。"},
        {323, "不用查表：以月支分季，看日干与时干是否相配。子、丑、寅月须丙丁相配（丙日丁时或丁日丙时），卯、辰、巳月须甲乙与戊己相配，午、未、申月须庚辛相配，酉、戌、亥月须壬癸相配。相配时日干、时干两处都标出。"},
        {338, "表中留有四行查表数据，只作备查。"},
        {382, "不用查表：看农历生日，正月十三、二月十一、三月初九、四月初七、五月初五、六月初三、七月初一、八月廿七、九月廿五、十月廿三、十一月廿一、十二月十九出生即是；闰月出生不算。"},
        {401, "寅时至申时出生用“昼”一行，其余时辰用“夜”一行。"},
        {402, "表中留有四行，但程序没有为它规定查法，任何命盘都不会出现。"},
        {411, "不用查表：日干是阴干（乙、丁、己、辛、癸），而四支中巳、酉、丑三支俱全时，巳、酉、丑所在之支都算。"},
        {414, "不用查表：看日柱，甲子、甲午、己卯、己酉为进神；丙子、丙午、辛卯、辛酉为交神；戊寅、戊申、癸巳、癸亥为伏神；丁丑、丁未、壬辰、壬戌为退神。四种都标在日支，都列在★414之下、用进神的说明。"},
        {442, "不用查表：农历生日每三天为一段，初一至初三为一，初四至初六为二，……廿八至三十为十；段数与日干的序号（甲一、乙二……癸十）相同即是。"},
        {504, "不用查表：农历生日按三天一段分为十段，各段要求的日支依次为寅、卯、巳、午、巳、午、申、酉、亥、子；日支相符即是。"},
    };
    return rules;
}

const char* own_rule(int starId) {
    if (starId > 241 && starId <= 254) starId = 241;  // the sound-element stars share one rule
    const auto& rules = own_rules();
    const auto it = rules.find(starId);
    return it == rules.end() ? nullptr : it->second;
}

std::string position_name(const std::string& code) {
    static const std::map<std::string, const char*> names = {
        {"y", "年柱"}, {"yg", "年干"}, {"yz", "年支"}, {"m", "月柱"}, {"mg", "月干"}, {"mz", "月支"},
        {"d", "日柱"}, {"dg", "日干"}, {"dz", "日支"}, {"t", "时柱"}, {"tg", "时干"}, {"tz", "时支"},
        {"lz", "流年、大运的地支"}};
    const auto it = names.find(code);
    return it == names.end() ? "" : it->second;
}

// 1 whole pillar, 2 stem, 3 branch, 0 for the passing branch and inert codes.
int position_kind(const std::string& code) {
    if (code == "y" || code == "m" || code == "d" || code == "t") return 1;
    if (code.size() == 2 && code[1] == 'g' && std::string("ymdt").find(code[0]) != std::string::npos) return 2;
    if (code.size() == 2 && code[1] == 'z' && std::string("ymdt").find(code[0]) != std::string::npos) return 3;
    return 0;
}

struct Positions {
    std::vector<std::string> names;
    bool kinds[4] = {};  // by kind; [0] the passing branch
};

Positions positions_of(int starId) {
    Positions p;
    for (const ShenShaJianRow& row : shen_sha_positions(starId)) {
        const std::string code = row.code;
        const std::string name = position_name(code);
        if (name.empty()) continue;
        if (std::find(p.names.begin(), p.names.end(), name) == p.names.end()) p.names.push_back(name);
        p.kinds[position_kind(code)] = true;
    }
    return p;
}

std::string positions_text(const Positions& p) {
    std::vector<std::string> names = p.names;
    // Four positions of one kind read as one word.
    auto fold = [&names](std::vector<std::string> four, const char* word) {
        for (const auto& n : four)
            if (std::find(names.begin(), names.end(), n) == names.end()) return;
        auto first = std::find(names.begin(), names.end(), four[0]);
        *first = word;
        for (size_t i = 1; i < four.size(); ++i) names.erase(std::find(names.begin(), names.end(), four[i]));
    };
    fold({"年支", "月支", "日支", "时支"}, "四支");
    fold({"年干", "月干", "日干", "时干"}, "四干");
    fold({"年柱", "月柱", "日柱", "时柱"}, "四柱");
    return join(names, "、");
}

struct KeyLabel {
    std::string prefix;  // a row of the table
    std::string core;    // a column
};

KeyLabel key_label(int starId, int key) {
    const int group = star_group(starId);
    if (starId == 129) return {"命宫" + branch(key / 100), stem(key % 100)};
    if (starId == 207) return {key / 100 == 1 ? "阳男阴女" : "阴男阳女", branch(key % 100)};
    if (starId == 401) return {key / 100 == 1 ? "昼" : "夜", stem(key % 100)};
    if (starId >= 240 && starId <= 254) return {"", element(key) + "命"};
    return {"", group == 1 || group == 4 ? stem(key) : branch(key)};
}

// The values of a row that the engine compares at the star's positions.
std::string row_value(const ShenShaRuleRow& row, const Positions& p) {
    std::vector<std::string> parts;
    const bool any = p.kinds[1] || p.kinds[2] || p.kinds[3] || p.kinds[0];
    if (row.cycle != 0 && (p.kinds[1] || !any)) parts.push_back(pillar(row.cycle));
    if (row.stem != 0 && row.branch != 0 && row.cycle == 0 && (p.kinds[2] || p.kinds[3] || !any)) {
        // A stem with a branch: the hour stem with the branch for 禄马交驰, else each at its kind.
        if (row.starId == 222)
            parts.push_back("时干" + stem(row.stem) + "见" + branch(row.branch));
        else if ((p.kinds[2] && p.kinds[3]) || !any)
            parts.push_back("干" + stem(row.stem) + "、支" + branch(row.branch));
        else
            parts.push_back(p.kinds[2] ? stem(row.stem) : branch(row.branch));
    } else {
        if (row.stem != 0 && (p.kinds[2] || !any)) parts.push_back(stem(row.stem));
        if (row.branch != 0 && (p.kinds[3] || p.kinds[0] || !any)) parts.push_back(branch(row.branch));
    }
    return join(parts, "");
}

bool mixes_stem_and_branch(int starId, const Positions& p) {
    if (starId == 222 || !(p.kinds[2] && p.kinds[3])) return false;
    for (const ShenShaRuleRow& row : shen_sha_rules(starId))
        if (row.stem != 0 && row.branch != 0 && row.cycle == 0) return true;
    return false;
}

std::string rule_table(int starId, const Positions& p) {
    const auto rows = shen_sha_rules(starId);
    if (rows.empty()) return "";
    std::vector<std::string> prefixes, cores;
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> cells;
    for (const ShenShaRuleRow& row : rows) {
        const KeyLabel label = key_label(starId, row.key);
        if (std::find(prefixes.begin(), prefixes.end(), label.prefix) == prefixes.end()) prefixes.push_back(label.prefix);
        if (std::find(cores.begin(), cores.end(), label.core) == cores.end()) cores.push_back(label.core);
        const std::string value = row_value(row, p);
        if (!value.empty()) cells[{label.prefix, label.core}].push_back(value);
    }
    if (cells.empty()) return "";  // rows without a value to compare at the star's positions
    std::string corner = source_of(starId);
    if (starId == 129) corner = "命宫＼年干";
    std::string html = "<table class=\"keys\">\n<tr><th>" + corner + "</th>";
    for (const auto& c : cores) html += "<th>" + c + "</th>";
    html += "</tr>\n";
    for (const auto& prefix : prefixes) {
        html += "<tr><th>" + (prefix.empty() ? std::string("见") : prefix) + "</th>";
        for (const auto& c : cores) {
            const auto it = cells.find({prefix, c});
            html += "<td>" + (it == cells.end() ? std::string() : join(it->second, "<br>")) + "</td>";
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

std::string star_block(int starId) {
    const Positions p = positions_of(starId);
    const ShenShaSMRow* description = find_star_description(starId);
    const std::string cellName = shen_sha_name(starId);
    const std::string listName = description ? description->Name : cellName;
    std::string html = format("<div class=\"star\" id=\"s%d\">\n<h3>★%d %s</h3>\n", starId, starId, escape(listName).c_str());
    if (cellName != listName) html += "<p class=\"alias\">命盘格中写作“" + escape(cellName) + "”。</p>\n";

    std::string where;
    if (p.names.empty())
        where = "程序没有为它规定查位，命盘中不会出现。";
    else
        where = "以" + source_of(starId) + "查" + positions_text(p) + "。";
    html += "<p class=\"rule\"><b>查法</b>　" + where;
    const std::string table = rule_table(starId, p);
    if (const char* rule = own_rule(starId))
        html += rule;
    else if (table.empty() && !p.names.empty())
        html += shen_sha_rules(starId).empty() ? "表中没有查表行，命盘中不会出现。"
                                             : "表中各行没有可在这些位置比对的值，命盘中不会出现。";
    if (mixes_stem_and_branch(starId, p)) html += "表中写作“干某、支某”的，干位见前者、支位见后者都算。";
    html += "</p>\n";
    html += table;
    if (description) html += "<p class=\"meaning\"><b>释义</b>　" + escape(description->SM) + "</p>\n";
    return html + "</div>\n";
}

std::vector<int> stars_of_group(int group) {
    std::vector<int> ids;
    for (const ShenShaNameRow& row : ShenShaName)
        if (star_group(row.starId) == group) ids.push_back(row.starId);
    return ids;
}

int group_arg(const Args& args) {
    const int group = int_arg(args, 0);
    if (group < 1 || group > 5) throw FragmentError("a group is 1 to 5");
    return group;
}

std::string stars_of_group_fragment(const Args& args) {
    std::string html;
    for (int id : stars_of_group(group_arg(args))) html += star_block(id);
    return html;
}

// Links to every star of a group, for the overview page.
std::string star_links(const Args& args) {
    const int group = group_arg(args);
    std::vector<std::string> links;
    for (int id : stars_of_group(group))
        links.push_back(format("<a href=\"%s#s%d\">%d&nbsp;%s</a>", kGroupPages[group], id, id,
                               escape(shen_sha_name(id)).c_str()));
    return format("<p class=\"starlinks\">（%zu颗）", links.size()) + join(links, "　") + "</p>\n";
}

// The stars looked for on the branch of a passing year or luck period.
std::string passing_stars(const Args&) {
    std::vector<std::string> names;
    for (const ShenShaJianRow& row : ShenShaJian)
        if (std::string(row.code) == "lz") {
            const ShenShaSMRow* d = find_star_description(row.starId);
            // The passing branch is one of its positions; any other is on the chart.
            const bool alsoOnChart = positions_of(row.starId).names.size() > 1;
            names.push_back(format("<a href=\"%s#s%d\">%s</a>（以%s查%s）", kGroupPages[star_group(row.starId)],
                                   row.starId, escape(d ? d->Name : shen_sha_name(row.starId)).c_str(),
                                   kSourceNames[star_group(row.starId)], alsoOnChart ? "，也查四柱" : ""));
        }
    return "<p>" + join(names, "、") + "</p>\n";
}

std::string star_count(const Args&) { return std::to_string(ShenShaName.size()); }

}  // namespace

std::vector<Fragment> star_fragments() {
    return {
        {"stars", stars_of_group_fragment},
        {"star_links", star_links},
        {"passing_stars", passing_stars},
        {"star_count", star_count},
    };
}

}  // namespace primer

// 神煞出处 — every star whose rows are open names where they come from: the comments of the data
// files carry "source:" (the book or table the rows follow) or "reconstructed:" (the rule used
// where no table under the star's name is known). The stars read from classical day lists are
// checked against those lists here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/cycle.h"
#include "engine/names.h"
#include "stars/shensha_tables.h"
#include "stars/special_stars.h"
#include "support/pillars.h"

namespace orvane {
namespace {

using testsupport::pillar_named;

// The stars whose rows the program's definition writes out whole: they need no source line.
const std::set<int> kRowsWrittenOut = {101, 104, 108, 114, 121, 129, 207, 217, 222, 232, 240, 401, 451, 501, 505};

// The stars whose rows are our own reconstruction. Kept here so that a star cannot become a
// reconstruction, or stop being one, without this list changing with its comment.
const std::set<int> kReconstructed = {
    106, 110, 117, 118, 119, 120, 124, 125, 127, 130, 131,                               //
    206, 212, 213, 214, 218, 220, 223, 225, 228, 230, 233, 237, 243, 244, 245, 246, 247, //
    248, 249, 250, 251, 252, 253, 254, 255,                                              //
    305, 306, 307, 312, 313, 317, 318, 319, 326, 327, 333, 334, 335, 336, 337, 338, 339, //
    341, 342, 343, 344, 345, 346, 347, 348, 349, 351, 352, 353, 355, 356, 357, 358, 359, //
    361, 363, 364, 365, 366, 368, 369, 370, 371, 374, 375, 376, 377, 378, 379, 380, 383, //
    402, 404, 405, 406, 408, 410, 420, 421, 423, 426, 427, 428, 429, 430, 434, 435, 437, //
    438, 439, 441, 443, 444, 446, 447, 449, 450, 452, 453, 454,                          //
    506, 507, 508, 509,
};

struct StarComment {
    std::string text;  // the comment lines of the star, joined
    bool source = false;
    bool reconstructed = false;
};

std::filesystem::path data_folder() {
    // This file is tests/stars/…; the rows are in stars/data/ of the same tree.
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "stars" / "data";
}

// The comment block that opens each star's rows ("// NNN name …" and the comment lines after it).
std::map<int, StarComment> read_star_comments() {
    static const std::regex opening(R"(^\s*// (\d{3})\b.*)");
    static const std::regex commentLine(R"(^\s*//.*)");
    std::map<int, StarComment> comments;
    const char* files[] = {"shensha_rules_year_stem.cpp", "shensha_rules_year_branch.cpp",
                           "shensha_rules_month_branch.cpp", "shensha_rules_day_stem.cpp",
                           "shensha_rules_day_branch.cpp"};
    for (const char* file : files) {
        std::ifstream in(data_folder() / file);
        EXPECT_TRUE(in) << (data_folder() / file);
        std::string line;
        int star = 0;
        while (std::getline(in, line)) {
            std::smatch m;
            if (std::regex_match(line, m, opening)) {
                star = std::stoi(m[1]);
                EXPECT_FALSE(comments.contains(star)) << "two comments open star " << star;
            } else if (!std::regex_match(line, commentLine)) {
                star = 0;
                continue;
            }
            if (star == 0) continue;
            StarComment& c = comments[star];
            c.text += line + "\n";
            c.source = c.source || line.find("source:") != std::string::npos;
            c.reconstructed = c.reconstructed || line.find("reconstructed:") != std::string::npos;
        }
    }
    return comments;
}

const std::map<int, StarComment>& star_comments() {
    static const std::map<int, StarComment> comments = read_star_comments();
    return comments;
}

std::vector<int> stars_with_rows() {
    std::vector<int> stars;
    for (int n = 101; n <= 509; ++n)
        if (is_star_id(n) && !shen_sha_rules(n).empty()) stars.push_back(n);
    return stars;
}

TEST(ShenShaSources, EveryStarWithOpenRowsNamesItsSourceOrItsRule) {
    const auto& comments = star_comments();
    ASSERT_FALSE(comments.empty());
    for (int star : stars_with_rows()) {
        const auto it = comments.find(star);
        ASSERT_NE(it, comments.end()) << "star " << star << " has rows but no comment";
        const StarComment& c = it->second;
        EXPECT_FALSE(c.source && c.reconstructed) << "star " << star << " claims both:\n" << c.text;
        if (!kRowsWrittenOut.contains(star)) {
            EXPECT_TRUE(c.source || c.reconstructed) << "star " << star << " names no source:\n" << c.text;
        }
    }
}

TEST(ShenShaSources, ReconstructedStarsAreTheListedOnes) {
    std::set<int> found;
    for (const auto& [star, c] : star_comments())
        if (c.reconstructed) found.insert(star);
    EXPECT_EQ(found, kReconstructed);
}

// A star whose rows equal another star's of the same kind of key must say so in its comment (one
// of them naming the other), so that no table is copied under a second name unnoticed. Kinds:
// a stem (year or day), a pillar's branch (year or day), the month.
TEST(ShenShaSources, StarsSharingTheirRowsNameEachOther) {
    using Rows = std::vector<std::array<int, 4>>;
    std::map<Rows, std::vector<int>> starsByRows;
    for (int star : stars_with_rows()) {
        Rows rows;
        for (const auto& r : shen_sha_rules(star)) rows.push_back({r.key, r.cycle, r.stem, r.branch});
        std::ranges::sort(rows);
        const int group = star_group(star);
        const int kind = group == 4 ? 1 : group == 5 ? 2 : group;
        rows.push_back({kind, 0, 0, 0});
        starsByRows[rows].push_back(star);
    }
    const auto names = [](int from, int to) {
        const std::string& text = star_comments().at(from).text;
        return std::regex_search(text, std::regex("\\b" + std::to_string(to) + "\\b"));
    };
    for (const auto& [rows, stars] : starsByRows) {
        if (stars.size() < 2) continue;
        // the stars linked by naming one another must form one group
        std::vector<int> group(stars.size());
        std::iota(group.begin(), group.end(), 0);
        const auto root = [&](int i) {
            while (group[static_cast<size_t>(i)] != i) i = group[static_cast<size_t>(i)];
            return i;
        };
        for (size_t i = 0; i < stars.size(); ++i)
            for (size_t j = 0; j < stars.size(); ++j)
                if (i != j && names(stars[i], stars[j]))
                    group[static_cast<size_t>(root(static_cast<int>(i)))] = root(static_cast<int>(j));
        std::ostringstream list;
        for (int s : stars) list << s << ' ';
        for (size_t i = 1; i < stars.size(); ++i)
            EXPECT_EQ(root(static_cast<int>(i)), root(0)) << "stars with the same rows: " << list.str();
    }
}

// --- stars read from the classical day lists

std::set<int> pillars_named(const std::string& gbkList) {
    std::set<int> pillars;
    std::istringstream in(gbkList);
    std::string name;
    while (in >> name) pillars.insert(pillar_named(name));
    return pillars;
}

// The day pillars at which a day-stem star is found on the day branch.
std::set<int> days_carrying(int star) {
    std::set<int> days;
    for (int day = 0; day < 60; ++day)
        if (!evaluate_generic_rule(star, stem_of(day), 33, branch_of(day)).empty()) days.insert(day);
    return days;
}

TEST(ClassicalDayStars, JiuChouOnTheTenDaysOfSanMingTongHui) {
    EXPECT_EQ(days_carrying(432), pillars_named("乙卯 乙酉 戊子 戊午 己卯 己酉 辛卯 辛酉 壬子 壬午"));
}

TEST(ClassicalDayStars, GuLuanOnTheEightDaysWithRenYinAsTheNinth) {
    EXPECT_EQ(days_carrying(433), pillars_named("甲寅 乙巳 丙午 丁巳 戊午 戊申 辛亥 壬子 壬寅"));
}

TEST(ClassicalDayStars, KuiGangAndRiDeOnTheirDays) {
    EXPECT_EQ(days_carrying(413), pillars_named("庚辰 庚戌 壬辰 戊戌"));
    EXPECT_EQ(days_carrying(412), pillars_named("甲寅 丙辰 戊辰 庚辰 壬戌"));
    EXPECT_EQ(days_carrying(431), pillars_named("甲寅 乙卯 丁未 戊戌 己未 庚申 辛酉 癸丑"));
}

// Per key, the one branch a year-keyed star falls on, read from a "key branch" list.
void expect_branch_of_each_key(int star, const std::string& gbkPairs, bool keyIsStem) {
    std::istringstream in(gbkPairs);
    std::string pair;
    int checked = 0;
    while (in >> pair) {
        ASSERT_EQ(pair.size(), 4u);  // two GBK characters
        const std::string keyName = pair.substr(0, 2), valueName = pair.substr(2);
        int key = 0, branch = 0;
        for (int i = 1; i <= 12; ++i) {
            if (keyIsStem && i <= 10 && keyName == StemNames[static_cast<size_t>(i)]) key = i;
            if (!keyIsStem && keyName == BranchNames[static_cast<size_t>(i)]) key = i;
            if (valueName == BranchNames[static_cast<size_t>(i)]) branch = i;
        }
        ASSERT_TRUE(key && branch) << testsupport::readable(pair);
        for (int b = 1; b <= 12; ++b)
            EXPECT_EQ(!evaluate_generic_rule(star, key, 43, b).empty(), b == branch)
                << star << " " << testsupport::readable(pair) << " at " << b;
        ++checked;
    }
    EXPECT_EQ(checked, keyIsStem ? 10 : 12);
}

TEST(ClassicalYearStars, MaiErShaByTheYearsGroup) {
    // 子午卯酉 fear 丑, 寅申巳亥 fear 申, 辰戌丑未 fear 卯
    expect_branch_of_each_key(234, "子丑 午丑 卯丑 酉丑 寅申 申申 巳申 亥申 辰卯 戌卯 丑卯 未卯", false);
}

TEST(ClassicalYearStars, TianYinGuiFollowsTheChosenTable) {
    for (const auto& [starId, table] : std::map<int, std::string>{
             {111, "甲寅 乙亥 丙戌 丁酉 戊申 己未 庚午 辛巳 壬辰 癸卯"}}) {
        std::istringstream in(table);
        std::string pair;
        while (in >> pair) {
            int stem = 0, branch = 0;
            for (int i = 1; i <= 12; ++i) {
                if (i <= 10 && pair.substr(0, 2) == StemNames[static_cast<size_t>(i)]) stem = i;
                if (pair.substr(2) == BranchNames[static_cast<size_t>(i)]) branch = i;
            }
            ASSERT_TRUE(stem && branch);
            for (int b = 1; b <= 12; ++b)
                EXPECT_EQ(!evaluate_generic_rule(starId, stem, 13, b).empty(), b == branch) << stem << " at " << b;
        }
    }
}

// 福星贵人: the thirteen pillars of the verse without 癸丑.
TEST(ClassicalYearStars, FuXingGuiRenKeepsThirteenPillarsOfTheVerse) {
    const std::set<int> verse = pillars_named("甲寅 甲子 丙寅 丙子 乙丑 乙卯 癸卯 戊申 己未 丁亥 庚午 辛巳 壬辰");
    std::set<int> rows;
    for (const auto& r : shen_sha_rules(128)) {
        EXPECT_EQ(stem_of(r.cycle), r.key);
        rows.insert(cycle(r.cycle));
    }
    EXPECT_EQ(rows, verse);
}

// 四废日 reduced to branches keeps each branch in its season: 申酉 in spring, 子亥 in summer,
// 寅卯 in autumn, 午巳 in winter.
TEST(ClassicalMonthStars, SiFeiBranchesStayInTheirSeason) {
    using namespace signs;
    const std::map<int, std::set<int>> ofSeason = {{1, {申, 酉}}, {2, {子, 亥}}, {3, {寅, 卯}}, {4, {午, 巳}}};
    for (const auto& r : shen_sha_rules(332)) {
        const int season = r.key / 3 == 0 ? 4 : r.key / 3;
        EXPECT_TRUE(ofSeason.at(season).contains(r.branch)) << "month " << r.key << " branch " << r.branch;
    }
}

}  // namespace
}  // namespace orvane

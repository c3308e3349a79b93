// 断语核对 — the facts a judgement text states about its own key, computed with the engine's own
// functions: the life stage (长生 … 养, 禄, 羊刃) a stem is said to sit on, the ten god a branch
// or a stem is said to be, and the clashes, combinations, punishments, harms and breaks a pair
// of branches or stems is said to form. Every text keyed by stems and branches is read: the
// general verses and the notes of the day stem at each hour, the commentaries of the six days and
// of each day pillar at each hour pillar, and the notes of the sixty day pillars.
#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/cycle.h"
#include "engine/derivations.h"
#include "engine/names.h"
#include "report/texts/day_hour_commentaries.h"
#include "report/texts/day_pillar_notes_table.h"
#include "stars/shensha_tables.h"
#include "support/gbk_assert.h"

namespace orvane {
namespace {

using namespace signs;

// The chart values a text is keyed by; 0 where the key does not fix them.
struct TextKey {
    int dayStem = 0;
    int dayBranch = 0;
    int hourStem = 0;
    int hourBranch = 0;
    std::string label;  // for the report of a wrong claim
};

// GBK text as a list of characters (two bytes each, one for ASCII).
std::vector<std::string> chars_of(const std::string& gbk) {
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < gbk.size();) {
        const std::size_t n = static_cast<unsigned char>(gbk[i]) >= 0x81 && i + 1 < gbk.size() ? 2 : 1;
        chars.push_back(gbk.substr(i, n));
        i += n;
    }
    return chars;
}

int index_in(const std::string& ch, const char* const* names, int first, int last) {
    for (int i = first; i <= last; ++i)
        if (ch == names[i]) return i;
    return 0;
}
int stem_of_char(const std::string& ch) { return index_in(ch, StemNames.data(), 1, 10); }
int branch_of_char(const std::string& ch) { return index_in(ch, BranchNames.data(), 1, 12); }
int element_of_char(const std::string& ch) { return index_in(ch, ElementNames.data(), 1, 5); }

// A word and the set of values it names.
struct Word {
    const char* gbk;
    std::set<int> values;
};

// Ten-god words, longest first; 印绶 names either seal.
const std::vector<Word> kTenGodWords = {
    {"比肩", {比肩}}, {"劫财", {比劫}}, {"比劫", {比劫}}, {"偏印", {偏印}}, {"枭神", {偏印}},
    {"正印", {正印}}, {"印绶", {正印, 偏印}}, {"七杀", {七杀}}, {"偏官", {七杀}}, {"正官", {正官}},
    {"偏财", {偏财}}, {"正财", {正财}}, {"食神", {食神}}, {"伤官", {伤官}},
};

// Life-stage words, longest first: the stage codes they name (长生 0 … 养 11); 旺 alone names
// either of the two strong stages. -1 marks 羊刃, read from the program's own 羊刃 table.
constexpr int kYangRen = -1;
const std::vector<Word> kStageWords = {
    {"长生", {0}}, {"沐浴", {1}}, {"冠带", {2}}, {"临官", {3}}, {"建禄", {3}}, {"帝旺", {4}},
    {"墓库", {8}}, {"羊刃", {kYangRen}}, {"阳刃", {kYangRen}}, {"禄", {3}}, {"旺", {3, 4}}, {"衰", {5}},
    {"病", {6}}, {"死", {7}}, {"墓", {8}}, {"库", {8}}, {"绝", {9}}, {"胎", {10}}, {"养", {11}},
};

// The word of `words` that starts at chars[i], if any; its length in characters.
const Word* word_at(const std::vector<std::string>& chars, std::size_t i, const std::vector<Word>& words,
                   std::size_t& length) {
    for (const Word& w : words) {
        const std::vector<std::string> wc = chars_of(w.gbk);
        if (i + wc.size() > chars.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < wc.size() && same; ++k) same = chars[i + k] == wc[k];
        if (same) {
            length = wc.size();
            return &w;
        }
    }
    return nullptr;
}

int five_rat_hour_stem(int dayStem, int hourBranch) { return wrap1((dayStem - 1) % 5 * 2 + hourBranch, 10); }

int main_stem_of(int branch) { return hidden_stems_of(branch)[0]; }

bool is_yang_ren(int stem, int branch) {
    const ShenShaRuleRow* row = first_shen_sha_rule(422, stem);
    return row != nullptr && row->branch == branch;
}

bool stage_holds(const std::set<int>& stages, int stem, int branch) {
    if (stages.contains(kYangRen)) return is_yang_ren(stem, branch);
    return stages.contains(life_stage_of_branch(stem, branch));
}

// The stems a ten-god word stands for against the day stem.
std::set<int> stems_of_ten_god(int dayStem, const std::set<int>& gods) {
    std::set<int> stems;
    for (int s = 1; s <= 10; ++s)
        if (gods.contains(ten_god_of_stems(dayStem, s))) stems.insert(s);
    return stems;
}

// Relations of two branches [1, 12].
bool clash(int a, int b) { return wrap(a - b, 12) == 6; }
bool six_combine(int a, int b) { return wrap(a + b, 12) == 3; }
int triad_of(int b) { return wrap(b, 4); }  // 申子辰 1, 巳酉丑 2, 寅午戌 3, 亥卯未 0
int triad_element(int b) {
    constexpr int element[4] = {木, 水, 金, 火};
    return element[triad_of(b)];
}
bool half_combine(int a, int b) { return a != b && triad_of(a) == triad_of(b); }
bool punish(int a, int b) {
    const std::set<std::set<int>> pairs = {{子, 卯}, {寅, 巳}, {巳, 申}, {寅, 申}, {丑, 戌}, {戌, 未}, {丑, 未}};
    return pairs.contains({a, b});
}
bool self_punish(int a, int b) { return a == b && (a == 辰 || a == 午 || a == 酉 || a == 亥); }
bool harm(int a, int b) { return wrap(a + b, 12) == 9; }  // 子未 丑午 寅巳 卯辰 申亥 酉戌
bool break_of(int a, int b) {
    const std::set<std::set<int>> pairs = {{子, 酉}, {卯, 午}, {辰, 丑}, {未, 戌}, {寅, 亥}, {巳, 申}};
    return pairs.contains({a, b});
}

struct Tally {
    int checked = 0;
    std::vector<std::string> wrong;
    void claim(bool holds, const TextKey& key, const std::vector<std::string>& chars, std::size_t at,
               const char* what) {
        ++checked;
        if (holds) return;
        std::string excerpt;
        for (std::size_t k = at >= 4 ? at - 4 : 0; k < chars.size() && k < at + 10; ++k) excerpt += chars[k];
        wrong.push_back(testsupport::readable(key.label) + " [" + what + "] " + testsupport::readable(excerpt));
    }
};

// Reads the claims of one text against its key.
void check_text(const std::string& text, const TextKey& key, Tally& tally) {
    const std::vector<std::string> c = chars_of(text);
    const auto at = [&](std::size_t i) -> const std::string& {
        static const std::string none;
        return i < c.size() ? c[i] : none;
    };
    for (std::size_t i = 0; i < c.size(); ++i) {
        std::size_t n = 0;
        // <stem><element>? <ten god> 坐|临|居 于? <whose>? <stage>: the stage of the ten god's own
        // stem at the hour branch, or of the stem named after the verb (日 for the day master:
        // 坐日禄, 坐甲木长生, 坐癸水之墓).
        if (const Word* god = word_at(c, i, kTenGodWords, n); god && key.dayStem && key.hourBranch) {
            std::size_t j = i + n;
            if (at(j) == "坐" || at(j) == "临" || at(j) == "居") {
                ++j;
                if (at(j) == "于") ++j;
                int whose = 0;
                if (at(j) == "日") {
                    whose = key.dayStem;
                    ++j;
                } else if (stem_of_char(at(j))) {
                    whose = stem_of_char(at(j));
                    ++j;
                    if (element_of_char(at(j))) ++j;
                    if (at(j) == "之") ++j;
                }
                std::size_t m = 0;
                if (const Word* stage = word_at(c, j, kStageWords, m)) {
                    int stem = 0;
                    if (i >= 1 && stem_of_char(at(i - 1))) stem = stem_of_char(at(i - 1));
                    if (i >= 2 && element_of_char(at(i - 1)) && stem_of_char(at(i - 2))) stem = stem_of_char(at(i - 2));
                    const std::set<int> candidates = stems_of_ten_god(key.dayStem, god->values);
                    if (stem) {
                        tally.claim(candidates.contains(stem), key, c, i, "ten god of a stem");
                    } else if (key.hourStem && candidates.contains(key.hourStem)) {
                        stem = key.hourStem;
                    } else if (candidates.size() == 1) {
                        stem = *candidates.begin();
                    }
                    if (whose) stem = whose;
                    if (stem) tally.claim(stage_holds(stage->values, stem, key.hourBranch), key, c, i, "stage");
                }
            }
        }
        // 坐下 <ten god>? <stage>: what the day master sits on in a day-pillar note.
        if (at(i) == "坐" && at(i + 1) == "下" && key.dayBranch && !key.hourBranch) {
            std::size_t j = i + 2;
            if (const Word* god = word_at(c, j, kTenGodWords, n)) {
                tally.claim(god->values.contains(ten_god_of_stems(key.dayStem, main_stem_of(key.dayBranch))), key, c, i,
                            "ten god of the day branch");
                j += n;
            }
            if (const Word* stage = word_at(c, j, kStageWords, n))
                tally.claim(stage_holds(stage->values, key.dayStem, key.dayBranch), key, c, i, "stage of the day");
        }
        // <branch> 为 <stem><element>? 之? <stage>: a stage named outright.
        if (const int b = branch_of_char(at(i)); b && at(i + 1) == "为" && stem_of_char(at(i + 2))) {
            const int stem = stem_of_char(at(i + 2));
            std::size_t j = i + 3;
            if (element_of_char(at(j))) ++j;
            if (at(j) == "之") ++j;
            if (const Word* stage = word_at(c, j, kStageWords, n))
                tally.claim(stage_holds(stage->values, stem, b), key, c, i, "stage of a branch");
        }
        // <stem><element>? 归禄|禄 于|在 <branch>.
        if (const int stem = stem_of_char(at(i))) {
            std::size_t j = i + 1;
            if (element_of_char(at(j))) ++j;
            if (at(j) == "归") ++j;
            if (at(j) == "禄" && (at(j + 1) == "于" || at(j + 1) == "在") && branch_of_char(at(j + 2)))
                tally.claim(life_stage_of_branch(stem, branch_of_char(at(j + 2))) == 3, key, c, i, "禄");
        }
        // <branch>时<ten god>: the main stem of the hour branch.
        if (const int b = branch_of_char(at(i)); b && key.dayStem && at(i + 1) == "时") {
            if (const Word* god = word_at(c, i + 2, kTenGodWords, n))
                tally.claim(god->values.contains(ten_god_of_stems(key.dayStem, main_stem_of(b))), key, c, i,
                            "ten god of a branch");
        }
        // two branches and their relation
        if (const int a = branch_of_char(at(i)), b = branch_of_char(at(i + 1)); a && b) {
            const std::string r = at(i + 2) + at(i + 3);
            if (r == "相冲") tally.claim(clash(a, b), key, c, i, "冲");
            if (r == "六合" || r == "相合") tally.claim(six_combine(a, b), key, c, i, "六合");
            if (r == "半合") {
                tally.claim(half_combine(a, b), key, c, i, "半合");
                if (const int e = element_of_char(at(i + 4)); e && at(i + 5) == "局")
                    tally.claim(triad_element(a) == e, key, c, i, "半合局");
            }
            if (r == "相刑") tally.claim(punish(a, b), key, c, i, "刑");
            if (r == "自刑") tally.claim(self_punish(a, b), key, c, i, "自刑");
            if (r == "相害") tally.claim(harm(a, b), key, c, i, "害");
            if (r == "相破") tally.claim(break_of(a, b), key, c, i, "破");
        }
        // two stems said to combine
        if (const int a = stem_of_char(at(i)), b = stem_of_char(at(i + 1)); a && b) {
            const std::string r = at(i + 2) + at(i + 3);
            if (r == "相合" || at(i + 2) == "合") tally.claim(wrap(a - b, 10) == 5, key, c, i, "干合");
        }
    }
}

std::string name(const std::array<const char*, 11>& names, int i) { return names[static_cast<std::size_t>(i)]; }

Tally check_all_texts() {
    Tally tally;
    for (int s = 1; s <= 10; ++s)
        for (int b = 1; b <= 12; ++b) {
            const int hs = five_rat_hour_stem(s, b);
            const std::string hour = name(StemNames, hs) + BranchNames[static_cast<std::size_t>(b)];
            const TextKey key{s, 0, hs, b, name(StemNames, s) + "日" + hour + "时"};
            check_text(day_hour_general_verse(s, b), key, tally);
            check_text(six_day_commentary(s, b), key, tally);
            check_text(day_hour_note(s, b), key, tally);
        }
    for (int p = 1; p <= 60; ++p) {
        const int s = stem_of(p), db = branch_of(p);
        for (int b = 1; b <= 12; ++b) {
            const int hs = five_rat_hour_stem(s, b);
            const TextKey key{s, db, hs, b,
                              std::string(CycleNames[static_cast<std::size_t>(p % 60)]) + "日" + name(StemNames, hs) +
                                  BranchNames[static_cast<std::size_t>(b)] + "时"};
            const char* text = p <= 30 ? day_hour_commentary_first(p, b) : day_hour_commentary_second(p, b);
            EXPECT_NE(text, nullptr) << p << " " << b;
            if (text) check_text(text, key, tally);
        }
        check_text(DayPillarNotes[static_cast<std::size_t>(p)], TextKey{s, db, 0, 0, CycleNames[static_cast<std::size_t>(p % 60)]},
                  tally);
    }
    return tally;
}

TEST(TextClaims, EveryStageClashAndCombinationATextNamesHoldsForItsKey) {
    const Tally tally = check_all_texts();
    std::cout << "text claims checked: " << tally.checked << ", wrong: " << tally.wrong.size() << "\n";
    EXPECT_GT(tally.checked, 0);
    for (const std::string& w : tally.wrong) ADD_FAILURE() << w;
}

// The checker itself: it must find a wrong claim when one is there.
TEST(TextClaims, TheCheckerFindsWrongClaims) {
    const auto wrongIn = [](const char* gbk, TextKey key) {
        Tally t;
        check_text(gbk, key, t);
        return std::make_pair(t.checked, t.wrong.size());
    };
    const TextKey jiaShen{甲, 0, 壬, 申, "甲日壬申时"};
    EXPECT_EQ(wrongIn("申时七杀坐长生；", jiaShen), std::make_pair(2, std::size_t{1}));  // 庚 at 申 is 临官
    EXPECT_EQ(wrongIn("申时七杀坐禄；", jiaShen), std::make_pair(2, std::size_t{0}));
    EXPECT_EQ(wrongIn("申时正官临旺地；", jiaShen), std::make_pair(2, std::size_t{1}));  // 申 holds 庚, 七杀
    EXPECT_EQ(wrongIn("偏印坐日禄", TextKey{甲, 0, 丙, 寅, "甲日丙寅时"}), std::make_pair(1, std::size_t{0}));
    EXPECT_EQ(wrongIn("偏印坐日禄", TextKey{甲, 0, 丁, 卯, "甲日丁卯时"}), std::make_pair(1, std::size_t{1}));
    EXPECT_EQ(wrongIn("七杀坐癸水之墓，伤官坐于甲木羊刃", TextKey{癸, 0, 己, 未, "癸日己未时"}),
              std::make_pair(2, std::size_t{1}));  // 未 is the tomb of 癸, not the 刃 of 甲
    const TextKey yiWu{乙, 0, 壬, 午, "乙日壬午时"};
    EXPECT_EQ(wrongIn("壬水正印坐长生", yiWu), std::make_pair(2, std::size_t{1}));  // 壬 at 午 is 胎
    EXPECT_EQ(wrongIn("壬水正财坐胎", yiWu), std::make_pair(2, std::size_t{1}));    // 壬 is 正印 of 乙
    EXPECT_EQ(wrongIn("寅申相冲，子辰半合水局，午未六合，甲己相合", yiWu), std::make_pair(5, std::size_t{0}));
    EXPECT_EQ(wrongIn("寅亥相冲，子午半合火局，午申六合，甲庚相合", yiWu), std::make_pair(5, std::size_t{5}));
    EXPECT_EQ(wrongIn("卯为癸之长生，酉为丁火长生，子为甲之长生", yiWu), std::make_pair(3, std::size_t{1}));
    EXPECT_EQ(wrongIn("甲木归禄于卯", yiWu), std::make_pair(1, std::size_t{1}));
    const TextKey bingYin{丙, 寅, 0, 0, "丙寅"};
    EXPECT_EQ(wrongIn("坐下偏印长生", bingYin), std::make_pair(2, std::size_t{0}));
    EXPECT_EQ(wrongIn("坐下正财帝旺", bingYin), std::make_pair(2, std::size_t{2}));
}

}  // namespace
}  // namespace orvane

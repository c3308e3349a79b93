// 十神定位断诀: the god of every stem and of every branch's main hidden stem,
// its verse for that place, the two pairings with the month branch, and votes.
#include "report/ten_god_positions.h"

#include <cstddef>
#include <string>

#include "engine/chart_state.h"
#include "engine/names.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "report/texts/ten_god_position_texts.h"
#include "report/texts/ten_god_relation_texts.h"
#include "report/votes.h"

namespace orvane {

constexpr FieldBlock kVerseFields = field_block("tenGodVerses");
constexpr FieldBlock kLateVerseFields = field_block("tenGodVersesLate");
constexpr FieldBlock kParentsFields = field_block("parents");
constexpr FieldBlock kSpouseFields = field_block("spouse");
constexpr FieldBlock kTenGodVotesFields = field_block("tenGodVotes");

namespace {

bool is_ten_god(int code) { return code >= 0 && code <= 9; }

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// A cleared or damaged record can hold 10 (no stem); it gets no name and no text.
std::string nameOf(int code) { return is_ten_god(code) ? TenGodNames[at(code)] : ""; }

std::string verse_of(int code, int position) {
    return is_ten_god(code) ? TenGodPositionVerses[at(code)][at(position)] : "";
}

struct Place {
    int nameField;  // the verse follows in the next field
    int position;   // column of TenGodPositionVerses
    int code;
};

}  // namespace

int ten_god_group(int code) { return (code + 2) / 2; }

int position_verse_vote_number(int slot, int code) {
    return 251000 + 1000 * slot + (code == 0 ? 10 : code);
}

int parents_relation_vote_number(int yearStemGod, int monthBranchGod) {
    return 258000 + 5 * yearStemGod + ten_god_group(monthBranchGod);
}

int spouse_relation_vote_number(int dayBranchGod, int monthBranchGod) {
    return 259000 + 5 * dayBranchGod + ten_god_group(monthBranchGod);
}

void write_ten_god_position_fields() {
    auto& f = ReportFieldTable;
    const int yearBranch = chart.hiddenTenGods[0][0];
    const int monthBranch = chart.hiddenTenGods[1][0];
    const int dayBranch = chart.hiddenTenGods[2][0];
    const int hourBranch = chart.hiddenTenGods[3][0];

    // The day stem is the day master itself: it has no verse and no fields between the blocks.
    const Place places[7] = {
        {kVerseFields[0], 0, chart.tenGodYear},   {kVerseFields[2], 1, yearBranch},
        {kVerseFields[4], 2, chart.tenGodMonth},  {kVerseFields[6], 3, monthBranch},
        {kLateVerseFields[0], 5, dayBranch},      {kLateVerseFields[2], 6, chart.tenGodHour},
        {kLateVerseFields[4], 7, hourBranch},
    };
    for (int slot = 0; slot < 7; ++slot) {
        const Place& p = places[slot];
        f[at(p.nameField)] = nameOf(p.code);
        f[at(p.nameField + 1)] = verse_of(p.code, p.position);
        f[at(kTenGodVotesFields[slot])] = vote_text_and_button(position_verse_vote_number(slot, p.code));
    }

    const bool monthKnown = is_ten_god(monthBranch);
    const int group = ten_god_group(monthBranch);
    f[kParentsFields[0]] = nameOf(chart.tenGodYear);
    f[kParentsFields[1]] = nameOf(monthBranch);
    f[kParentsFields[2]] = is_ten_god(chart.tenGodYear) && monthKnown ? ParentsRelationTexts[at(chart.tenGodYear)][at(group)] : "";
    f[kSpouseFields[0]] = nameOf(dayBranch);
    f[kSpouseFields[1]] = nameOf(monthBranch);
    f[kSpouseFields[2]] = is_ten_god(dayBranch) && monthKnown ? SpouseRelationTexts[at(dayBranch)][at(group)] : "";
    f[kTenGodVotesFields[7]] = vote_text_and_button(parents_relation_vote_number(chart.tenGodYear, monthBranch));
    f[kTenGodVotesFields[8]] = vote_text_and_button(spouse_relation_vote_number(dayBranch, monthBranch));
}

}  // namespace orvane

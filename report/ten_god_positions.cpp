// 十神定位断诀: the god of every stem and of every branch's main hidden stem,
// its verse for that place, the two pairings with the month branch, and votes.
#include "report/ten_god_positions.h"

#include <cstddef>
#include <string>

#include "engine/chart_state.h"
#include "engine/names.h"
#include "report/report_fields.h"
#include "report/texts/ten_god_position_texts.h"
#include "report/texts/ten_god_relation_texts.h"
#include "report/votes.h"

namespace orvane {

namespace {

bool isTenGod(int code) { return code >= 0 && code <= 9; }

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// A cleared or damaged record can hold 10 (no stem); it gets no name and no text.
std::string nameOf(int code) { return isTenGod(code) ? TenGodNames[at(code)] : ""; }

std::string verseOf(int code, int position) {
    return isTenGod(code) ? TenGodPositionVerses[at(code)][at(position)] : "";
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

    // The day stem is the day master itself: it has no verse and no fields 4509/4510.
    const Place places[7] = {
        {4501, 0, chart.tenGodYear}, {4503, 1, yearBranch}, {4505, 2, chart.tenGodMonth},
        {4507, 3, monthBranch},      {4511, 5, dayBranch},  {4513, 6, chart.tenGodHour},
        {4515, 7, hourBranch},
    };
    for (int slot = 0; slot < 7; ++slot) {
        const Place& p = places[slot];
        f[at(p.nameField)] = nameOf(p.code);
        f[at(p.nameField + 1)] = verseOf(p.code, p.position);
        f[at(4541 + slot)] = vote_text_and_button(position_verse_vote_number(slot, p.code));
    }

    const bool monthKnown = isTenGod(monthBranch);
    const int group = ten_god_group(monthBranch);
    f[4521] = nameOf(chart.tenGodYear);
    f[4522] = nameOf(monthBranch);
    f[4523] = isTenGod(chart.tenGodYear) && monthKnown ? ParentsRelationTexts[at(chart.tenGodYear)][at(group)] : "";
    f[4531] = nameOf(dayBranch);
    f[4532] = nameOf(monthBranch);
    f[4533] = isTenGod(dayBranch) && monthKnown ? SpouseRelationTexts[at(dayBranch)][at(group)] : "";
    f[4548] = vote_text_and_button(parents_relation_vote_number(chart.tenGodYear, monthBranch));
    f[4549] = vote_text_and_button(spouse_relation_vote_number(dayBranch, monthBranch));
}

}  // namespace orvane

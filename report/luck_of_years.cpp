// 流年运气: ten rows of fields per year of age, from 18 to 70.
#include "report/luck_of_years.h"

#include <array>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/derivations.h"
#include "engine/names.h"
#include "platform/clock.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "report/texts/year_judgements.h"
#include "report/votes.h"

namespace orvane {

namespace {

constexpr int kFirstAge = 18;
constexpr int kLastAge = 70;
constexpr FieldBlock kYearFields = field_block("luckOfYears");
constexpr int kVoteBase = 220000;

int ten_god_of_stem(int stem) { return tenGod(chart.dayPillar, stem); }

}  // namespace

int lookup_year_judgement(std::string_view firstGod, std::string_view secondGod) {
    for (int row = 1; row <= kYearJudgementRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        if (firstGod == str_LiuNianDuan_ShiShen1[r] && secondGod == str_LiuNianDuan_ShiShen2[r]) return row;
    }
    return 0;
}

int lookup_year_judgement(int firstGodCode, int secondGodCode) {
    const auto valid = [](int code) { return code >= 0 && code <= 9; };
    if (!valid(firstGodCode) || !valid(secondGodCode)) return 0;
    // The row of every pair, found by name once: the table never changes.
    static const auto rowOfPair = [] {
        std::array<std::array<int, 10>, 10> rows{};
        for (std::size_t first = 0; first < 10; ++first)
            for (std::size_t second = 0; second < 10; ++second)
                rows[first][second] = lookup_year_judgement(TenGodNames[first], TenGodNames[second]);
        return rows;
    }();
    return rowOfPair[static_cast<std::size_t>(firstGodCode)][static_cast<std::size_t>(secondGodCode)];
}

int year_judgement_note_of(int row) { return wrap1(row, 10); }

int ruling_stem_of_year_slot(int slotCode) {
    const int luckPillar = (slotCode / 100) % 100;
    if (slotCode > 10000) return hidden_stems_of(branch_of(luckPillar))[0];
    return stem_of(luckPillar);
}

void write_luck_of_years_fields() {
    auto& f = ReportFieldTable;
    const int currentYear = platform::now_local().year;
    // Luck that changes after 4 February changes after the year's 立春, so the
    // year is ruled by the part that follows the change.
    const bool rulerAfterChange = chart.luckStartDateMonth == 2 && chart.luckStartDateDay > 4;
    for (int age = kFirstAge; age <= kLastAge; ++age) {
        const int R = kYearFields.at(age - kFirstAge, 0);
        const int c0 = chart.luckYearSlots[static_cast<std::size_t>(2 * (age - 1))];
        const int c1 = chart.luckYearSlots[static_cast<std::size_t>(2 * (age - 1) + 1)];
        const int year = chart.lunarYear + age - 1;
        const int ruler = rulerAfterChange ? c1 : c0;
        const int row = c0 > 0 && ruler > 0
                            ? lookup_year_judgement(ten_god_of_stem(ruling_stem_of_year_slot(ruler)), ten_god_of_stem(c0 % 100))
                            : 0;

        f[R] = std::to_string(age);
        f[R + 1] = std::to_string(year);
        f[R + 2] = " 2";
        f[R + 3] = " 4";
        f[R + 5] = " 2";
        f[R + 6] = " 4";
        if (row == 0) {  // no luck period yet: nothing to judge
            for (int offset : {4, 7, 8, 9}) f[R + offset].clear();
            continue;
        }
        const int vote = kVoteBase + row;
        f[R + 4] = vote_text(vote) + (year <= currentYear ? vote_button(vote) : std::string());
        f[R + 7] = str_LiuNianDuan_Text1[static_cast<std::size_t>(row)];
        f[R + 8] = str_LiuNianDuan_Text2[static_cast<std::size_t>(row)];
        f[R + 9] = str_LiuNianDuan_Text3[static_cast<std::size_t>(year_judgement_note_of(row))];
    }
}

}  // namespace orvane

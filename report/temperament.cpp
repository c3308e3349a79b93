// 性格总论: fixed sentences by pattern flag, then the day master.
#include "report/temperament.h"

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "report/texts/day_stem_nature.h"
#include "report/texts/temperament_texts.h"
#include "report/votes.h"

namespace orvane {

constexpr FieldBlock kTemperamentFields = field_block("temperament");
constexpr FieldBlock kTemperamentVotesFields = field_block("temperamentVotes");

namespace {

constexpr int kFirstSentenceField = kTemperamentFields[0];
constexpr int kLastSentenceField = kTemperamentFields[9];

const char* polarity_sentence(int pattern) {
    using namespace temperament_texts;
    switch (pattern) {
        case 11: return AllYangMan;
        case 22: return AllYinWoman;
        case 12: return AllYinMan;
        case 21: return AllYangWoman;
        default: return nullptr;
    }
}

}  // namespace

std::string seven_killings_sentence(int code) {
    using namespace temperament_texts;
    std::string s = SevenKillingsOpening;
    if (code / 100 % 10 != 0) s += SevenKillingsMixed;
    if (code / 10 % 10 != 0) s += SevenKillingsEloquent;
    s += code % 10 != 0 ? SevenKillingsTense : SevenKillingsGentle;
    return s;
}

std::vector<std::string> temperament_sentences(const ChartState& c) {
    using namespace temperament_texts;
    std::vector<std::string> out;
    auto add = [&out](const char* sentence) {
        if (sentence) out.emplace_back(sentence);
    };
    if (c.hurtingOfficerFlag >= 1 && c.hurtingOfficerFlag <= 4) add(HurtingOfficer[static_cast<std::size_t>(c.hurtingOfficerFlag)]);
    if (c.clashHarmonyBalance) add(ClashHarmonyBalance);
    if (c.punishClashFlag) add(PunishClash);
    add(polarity_sentence(c.polarityPattern));
    if (c.harmonyRich) add(HarmonyRich);
    if (c.sevenKillingsPattern != 0) out.push_back(seven_killings_sentence(c.sevenKillingsPattern));
    if (c.wonderOrPairFlag) add(WonderOrPair);
    if (c.jiaziJiawuDay) add(JiaziJiawuDay);
    if (c.mixedStarsFlag != 0) add(MixedStars);
    if (c.uniformPillars) add(UniformPillars);
    return out;
}

void write_temperament_fields() {
    auto& f = ReportFieldTable;
    int field = kFirstSentenceField;
    for (const std::string& sentence : temperament_sentences(chart)) {
        if (field > kLastSentenceField) break;  // ten tests at most; never spill past the block
        f[static_cast<std::size_t>(field++)] = sentence;
    }
    const int stem = stem_of(chart.dayPillar);
    f[kTemperamentFields[10]] = StemNames[static_cast<std::size_t>(stem)];
    f[kTemperamentFields[11]] = ElementNames[static_cast<std::size_t>(element_of_stem(stem))];
    f[kTemperamentFields[12]] = DayStemNature[static_cast<std::size_t>(stem)];
    f[kTemperamentVotesFields[0]] = vote_text_and_button(210001);
    f[kTemperamentVotesFields[1]] = vote_text_and_button(210002);
}

}  // namespace orvane

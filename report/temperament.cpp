// 性格总论: fixed sentences by pattern flag, then the day master.
#include "report/temperament.h"

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "report/texts/day_stem_nature.h"
#include "report/votes.h"

namespace orvane {

constexpr FieldBlock kTemperamentFields = fieldBlock("temperament");
constexpr FieldBlock kTemperamentVotesFields = fieldBlock("temperamentVotes");
namespace {

constexpr int kFirstSentenceField = fieldBlock("temperament")[0];
constexpr int kLastSentenceField = fieldBlock("temperament")[9];

// By hurtingOfficerFlag 1 … 4: none, clash, punishment, both.
const char* const kHurtingOfficer[5] = {
    nullptr,
    "不会甜言蜜语，不善于打扮。",
    "不会甜言蜜语，不善于打扮，暴躁，凡事较冲动。",
    "自尊心强，不会甜言蜜语，不善于打扮，喜欢打抱不平。",
    "自尊心强，喜欢打抱不平，不会甜言蜜语，不善于打扮，暴躁，凡事较冲动。",
};

const char* polarity_sentence(int pattern) {
    switch (pattern) {
        case 11: return "男命全阳正局，聪明能干，敢做敢当，出类拔萃。";
        case 22: return "女命全阴正局，聪明能干，敢做敢当，出类拔萃。";
        case 12: return "男命全阴反局，一生勤劳。";
        case 21: return "女命全阳反局，一生勤劳。";
        default: return nullptr;
    }
}

}  // namespace

std::string seven_killings_sentence(int code) {
    std::string s = "沉默寡言，";
    if (code / 100 % 10 != 0) s += "任事混杂多样、三分钟热度。";
    if (code / 10 % 10 != 0) s += "有口才，有权威。";
    s += code % 10 != 0 ? "性紧。" : "性柔。";
    return s;
}

std::vector<std::string> temperament_sentences(const ChartState& c) {
    std::vector<std::string> out;
    auto add = [&out](const char* sentence) {
        if (sentence) out.emplace_back(sentence);
    };
    if (c.hurtingOfficerFlag >= 1 && c.hurtingOfficerFlag <= 4) add(kHurtingOfficer[c.hurtingOfficerFlag]);
    if (c.clashHarmonyBalance) add("性格刚柔两济，紧慢不调，做事犹豫不决。");
    if (c.punishClashFlag) add("性格耿直，凡事较冲动，说话干脆。");
    add(polarity_sentence(c.polarityPattern));
    if (c.harmonyRich) add("办事细心、保守、胆小，怕苦畏难。");
    if (c.sevenKillingsPattern != 0) out.push_back(seven_killings_sentence(c.sevenKillingsPattern));
    if (c.wonderOrPairFlag) add("八字有格局，慈善好施，聪慧有智，才学堪夸，名声显达。");
    if (c.jiaziJiawuDay) add("相貌堂堂，敢做敢为，有机谋，敢创新。");
    if (c.mixedStarsFlag != 0) add("勤劳好学，自食其乐，凡事带头，不畏权贵。");
    if (c.uniformPillars) add("一生清高，不会勤劳，乐观快乐，得过且过。");
    return out;
}

void write_temperament_fields() {
    auto& f = ReportFieldTable;
    int field = kFirstSentenceField;
    for (const std::string& sentence : temperament_sentences(chart)) {
        if (field > kLastSentenceField) break;  // ten tests at most; never spill past the block
        f[static_cast<std::size_t>(field++)] = sentence;
    }
    const int stem = stemOf(chart.dayPillar);
    f[kTemperamentFields[10]] = StemNames[static_cast<std::size_t>(stem)];
    f[kTemperamentFields[11]] = ElementNames[static_cast<std::size_t>(elementOfStem(stem))];
    f[kTemperamentFields[12]] = DayStemNature[static_cast<std::size_t>(stem)];
    f[kTemperamentVotesFields[0]] = vote_text_and_button(210001);
    f[kTemperamentVotesFields[1]] = vote_text_and_button(210002);
}

}  // namespace orvane

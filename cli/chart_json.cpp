#include "cli/chart_json.h"

#include <type_traits>

namespace cli {
namespace {

void moment(JsonWriter& out, std::string_view name, const orvane::TermMoment& m) {
    out.key(name);
    out.begin_object();
    out.member("lunarYear", m.lunarYear);
    out.member("code", m.code);
    out.end_object();
}

void birth_moment(JsonWriter& out, std::string_view name, const orvane::BirthMoment& m) {
    out.key(name);
    out.begin_object();
    out.member("solarYear", m.solarYear);
    out.member("solarMonth", m.solarMonth);
    out.member("solarDay", m.solarDay);
    out.member("hour", m.hour);
    out.member("minute", m.minute);
    out.member("lunarYear", m.lunarYear);
    out.member("lunarMonthCode", m.lunarMonthCode);
    out.member("lunarDay", m.lunarDay);
    out.end_object();
}

template <typename T, size_t N>
void array_of(JsonWriter& out, const std::array<T, N>& values) {
    if constexpr (std::is_same_v<T, int> || std::is_same_v<T, std::uint8_t>) {
        out.values(values.data(), N);
    } else {
        out.begin_array();
        for (const T& v : values) out.value(v);
        out.end_array();
    }
}

template <typename T, size_t N>
void array_member(JsonWriter& out, std::string_view name, const std::array<T, N>& values) {
    out.key(name);
    array_of(out, values);
}

template <size_t R, size_t C>
void rows_member(JsonWriter& out, std::string_view name, const std::array<std::array<int, C>, R>& rows) {
    out.key(name);
    out.begin_array();
    for (const auto& row : rows) array_of(out, row);
    out.end_array();
}

}  // namespace

void write_birth_data_members(JsonWriter& out, const orvane::BirthData& b) {
    out.text_member("personName", b.personName);
    out.text_member("birthProvince", b.birthProvince);
    out.text_member("birthCity", b.birthCity);
    out.member("birthZone", b.birthZone);
    out.member("enteredLongitude", b.enteredLongitude);
    out.member("enteredLatitude", b.enteredLatitude);
    out.member("solarInput", b.solarInput);
    out.member("sexFlag", b.sexFlag);
    out.member("lunarYear", b.lunarYear);
    out.member("lunarMonthCode", b.lunarMonthCode);
    out.member("lunarDay", b.lunarDay);
    out.member("leapMonth", b.leapMonth);
    out.member("solarYear", b.solarYear);
    out.member("solarMonth", b.solarMonth);
    out.member("solarDay", b.solarDay);
    out.member("birthHour", b.birthHour);
    out.member("birthMinute", b.birthMinute);
    out.member("hourBranchNo", b.hourBranchNo);
    out.member("currentLunarYear", b.currentLunarYear);
    out.member("nominalAge", b.nominalAge);
}

void write_chart_state_members(JsonWriter& out, const orvane::ChartState& s) {
    write_birth_data_members(out, s);
    // The moment on Beijing time and the local true solar time.
    birth_moment(out, "beijingTime", s.beijingTime);
    birth_moment(out, "trueSolarTime", s.trueSolarTime);
    out.member("daylightSavingSec", s.daylightSavingSec);
    out.member("zoneOffsetSec", s.zoneOffsetSec);
    // Corrected moment and calendar context.
    out.member("solarHour", s.solarHour);
    out.member("solarMinute", s.solarMinute);
    out.member("birthLongitude", s.birthLongitude);
    out.member("birthLatitude", s.birthLatitude);
    out.member("longitudeCorrectionSec", s.longitudeCorrectionSec);
    out.member("equationOfTimeSec", s.equationOfTimeSec);
    out.member("pillarDayYear", s.pillarDayYear);
    out.member("pillarDayMonth", s.pillarDayMonth);
    out.member("pillarDayDay", s.pillarDayDay);
    out.member("weekday", s.weekday);
    const orvane::TermWindow& w = s.termWindow;
    out.key("termWindow");
    out.begin_object();
    moment(out, "jie0", w.jie0);
    moment(out, "qi0", w.qi0);
    moment(out, "jie1", w.jie1);
    moment(out, "qi1", w.qi1);
    moment(out, "jie2", w.jie2);
    moment(out, "qi2", w.qi2);
    moment(out, "jie3", w.jie3);
    out.end_object();
    out.member("birthCode", s.birthCode);
    // Pillars.
    out.member("lunarYearCycle", s.lunarYearCycle);
    out.member("yearPillar", s.yearPillar);
    out.member("yearPillarYear", s.yearPillarYear);
    out.member("monthPillar", s.monthPillar);
    out.member("solarMonthNo", s.solarMonthNo);
    out.member("qiMonthPillar", s.qiMonthPillar);
    out.member("dayPillar", s.dayPillar);
    out.member("hourPillar", s.hourPillar);
    out.member("yearStem", s.yearStem);
    out.member("yearBranch", s.yearBranch);
    out.member("monthStem", s.monthStem);
    out.member("monthBranch", s.monthBranch);
    out.member("dayStem", s.dayStem);
    out.member("dayBranch", s.dayBranch);
    out.member("hourStem", s.hourStem);
    out.member("hourBranch", s.hourBranch);
    // Derivations.
    out.member("tenGodYear", s.tenGodYear);
    out.member("tenGodMonth", s.tenGodMonth);
    out.member("tenGodDay", s.tenGodDay);
    out.member("tenGodHour", s.tenGodHour);
    rows_member(out, "hiddenStems", s.hiddenStems);
    rows_member(out, "hiddenTenGods", s.hiddenTenGods);
    out.key("lifeStage");
    out.begin_object();
    out.member("year", s.lifeStage.year);
    out.member("month", s.lifeStage.month);
    out.member("day", s.lifeStage.day);
    out.member("hour", s.lifeStage.hour);
    out.end_object();
    out.key("voidBranch");
    out.begin_object();
    out.member("year", s.voidBranch.year);
    out.member("month", s.voidBranch.month);
    out.member("day", s.voidBranch.day);
    out.member("hour", s.voidBranch.hour);
    out.member("lifePalace", s.voidBranch.lifePalace);
    out.member("fetalOrigin", s.voidBranch.fetalOrigin);
    out.end_object();
    out.member("lifePalace", s.lifePalace);
    out.member("lifePalaceShift", s.lifePalaceShift);
    array_member(out, "lifePalaceHiddenStems", s.lifePalaceHiddenStems);
    out.member("sunriseBranch", s.sunriseBranch);
    out.member("fetalOrigin", s.fetalOrigin);
    out.member("boneWeight", s.boneWeight);
    out.member("punishmentCount", s.punishmentCount);
    out.member("clashCount", s.clashCount);
    out.member("harmonyCount", s.harmonyCount);
    out.member("threeWonders", s.threeWonders);
    out.member("pairedPillars", s.pairedPillars);
    out.member("jiaziJiawuDay", s.jiaziJiawuDay);
    out.member("hurtingOfficerFlag", s.hurtingOfficerFlag);
    out.member("clashHarmonyBalance", s.clashHarmonyBalance);
    out.member("punishClashFlag", s.punishClashFlag);
    out.member("polarityPattern", s.polarityPattern);
    out.member("harmonyRich", s.harmonyRich);
    out.member("sevenKillingsPattern", s.sevenKillingsPattern);
    out.member("wonderOrPairFlag", s.wonderOrPairFlag);
    out.member("mixedStarsFlag", s.mixedStarsFlag);
    out.member("uniformPillars", s.uniformPillars);
    // Luck.
    out.member("luckMinutes", s.luckMinutes);
    out.member("luckStartYears", s.luckStartYears);
    out.member("luckStartMonthNo", s.luckStartMonthNo);
    out.member("luckStartDays", s.luckStartDays);
    out.member("luckStartYear", s.luckStartYear);
    out.member("luckStartDateMonth", s.luckStartDateMonth);
    out.member("luckStartDateDay", s.luckStartDateDay);
    array_member(out, "yearCodes", s.yearCodes);
    // Kept by the producers.
    out.text_member("chartCode", s.chartCode);
    array_member(out, "elementScore", s.elementScore);
    out.member("supportScore", s.supportScore);
    out.member("opposeScore", s.opposeScore);
    out.member("warmth", s.warmth);
    array_member(out, "luckYearSlots", s.luckYearSlots);
    array_member(out, "ChildhoodDangerFlags", s.ChildhoodDangerFlags);
    out.member("chartComputed", s.chartComputed);
}

nlohmann::ordered_json birth_data_json(const orvane::BirthData& birth) {
    // Only the reverse search asks for a tree: the one field list is the writer's.
    std::string text;
    JsonWriter out(text);
    out.begin_object();
    write_birth_data_members(out, birth);
    out.end_object();
    return nlohmann::ordered_json::parse(out.finish());
}

}  // namespace cli

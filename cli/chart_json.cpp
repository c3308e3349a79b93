#include "cli/chart_json.h"

#include "cli/cli_support.h"

namespace cli {
namespace {

nlohmann::ordered_json moment(const orvane::TermMoment& m) { return {{"lunarYear", m.lunarYear}, {"code", m.code}}; }

nlohmann::ordered_json birth_moment(const orvane::BirthMoment& m) {
    return {{"solarYear", m.solarYear}, {"solarMonth", m.solarMonth}, {"solarDay", m.solarDay},
            {"hour", m.hour},           {"minute", m.minute},         {"lunarYear", m.lunarYear},
            {"lunarMonthCode", m.lunarMonthCode}, {"lunarDay", m.lunarDay}};
}

template <typename T, size_t N>
nlohmann::ordered_json array_of(const std::array<T, N>& values) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const T& v : values) out.push_back(v);
    return out;
}

template <size_t R, size_t C>
nlohmann::ordered_json rows_of(const std::array<std::array<int, C>, R>& rows) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const auto& row : rows) out.push_back(array_of(row));
    return out;
}

}  // namespace

nlohmann::ordered_json birth_data_json(const orvane::BirthData& b) {
    nlohmann::ordered_json j;
    j["personName"] = text(b.personName);
    j["birthProvince"] = text(b.birthProvince);
    j["birthCity"] = text(b.birthCity);
    j["birthZone"] = b.birthZone;
    j["enteredLongitude"] = b.enteredLongitude;
    j["enteredLatitude"] = b.enteredLatitude;
    j["solarInput"] = b.solarInput;
    j["sexFlag"] = b.sexFlag;
    j["lunarYear"] = b.lunarYear;
    j["lunarMonthCode"] = b.lunarMonthCode;
    j["lunarDay"] = b.lunarDay;
    j["leapMonth"] = b.leapMonth;
    j["solarYear"] = b.solarYear;
    j["solarMonth"] = b.solarMonth;
    j["solarDay"] = b.solarDay;
    j["birthHour"] = b.birthHour;
    j["birthMinute"] = b.birthMinute;
    j["hourBranchNo"] = b.hourBranchNo;
    j["currentLunarYear"] = b.currentLunarYear;
    j["nominalAge"] = b.nominalAge;
    return j;
}

nlohmann::ordered_json chart_state_json(const orvane::ChartState& s) {
    nlohmann::ordered_json j = birth_data_json(s);
    // The moment on Beijing time and the local true solar time.
    j["beijingTime"] = birth_moment(s.beijingTime);
    j["trueSolarTime"] = birth_moment(s.trueSolarTime);
    j["daylightSavingSec"] = s.daylightSavingSec;
    j["zoneOffsetSec"] = s.zoneOffsetSec;
    // Corrected moment and calendar context.
    j["solarHour"] = s.solarHour;
    j["solarMinute"] = s.solarMinute;
    j["birthLongitude"] = s.birthLongitude;
    j["birthLatitude"] = s.birthLatitude;
    j["longitudeCorrectionSec"] = s.longitudeCorrectionSec;
    j["equationOfTimeSec"] = s.equationOfTimeSec;
    j["pillarDayYear"] = s.pillarDayYear;
    j["pillarDayMonth"] = s.pillarDayMonth;
    j["pillarDayDay"] = s.pillarDayDay;
    j["weekday"] = s.weekday;
    const orvane::TermWindow& w = s.termWindow;
    j["termWindow"] = {{"jie0", moment(w.jie0)}, {"qi0", moment(w.qi0)}, {"jie1", moment(w.jie1)},
                       {"qi1", moment(w.qi1)},   {"jie2", moment(w.jie2)}, {"qi2", moment(w.qi2)},
                       {"jie3", moment(w.jie3)}};
    j["birthCode"] = s.birthCode;
    // Pillars.
    j["lunarYearCycle"] = s.lunarYearCycle;
    j["yearPillar"] = s.yearPillar;
    j["yearPillarYear"] = s.yearPillarYear;
    j["monthPillar"] = s.monthPillar;
    j["solarMonthNo"] = s.solarMonthNo;
    j["qiMonthPillar"] = s.qiMonthPillar;
    j["dayPillar"] = s.dayPillar;
    j["hourPillar"] = s.hourPillar;
    j["yearStem"] = s.yearStem;
    j["yearBranch"] = s.yearBranch;
    j["monthStem"] = s.monthStem;
    j["monthBranch"] = s.monthBranch;
    j["dayStem"] = s.dayStem;
    j["dayBranch"] = s.dayBranch;
    j["hourStem"] = s.hourStem;
    j["hourBranch"] = s.hourBranch;
    // Derivations.
    j["tenGodYear"] = s.tenGodYear;
    j["tenGodMonth"] = s.tenGodMonth;
    j["tenGodDay"] = s.tenGodDay;
    j["tenGodHour"] = s.tenGodHour;
    j["hiddenStems"] = rows_of(s.hiddenStems);
    j["hiddenTenGods"] = rows_of(s.hiddenTenGods);
    j["lifeStage"] = {{"year", s.lifeStage.year}, {"month", s.lifeStage.month}, {"day", s.lifeStage.day},
                      {"hour", s.lifeStage.hour}};
    j["voidBranch"] = {{"year", s.voidBranch.year},           {"month", s.voidBranch.month},
                       {"day", s.voidBranch.day},             {"hour", s.voidBranch.hour},
                       {"lifePalace", s.voidBranch.lifePalace}, {"fetalOrigin", s.voidBranch.fetalOrigin}};
    j["lifePalace"] = s.lifePalace;
    j["lifePalaceShift"] = s.lifePalaceShift;
    j["lifePalaceHiddenStems"] = array_of(s.lifePalaceHiddenStems);
    j["sunriseBranch"] = s.sunriseBranch;
    j["fetalOrigin"] = s.fetalOrigin;
    j["boneWeight"] = s.boneWeight;
    j["punishmentCount"] = s.punishmentCount;
    j["clashCount"] = s.clashCount;
    j["harmonyCount"] = s.harmonyCount;
    j["threeWonders"] = s.threeWonders;
    j["pairedPillars"] = s.pairedPillars;
    j["jiaziJiawuDay"] = s.jiaziJiawuDay;
    j["hurtingOfficerFlag"] = s.hurtingOfficerFlag;
    j["clashHarmonyBalance"] = s.clashHarmonyBalance;
    j["punishClashFlag"] = s.punishClashFlag;
    j["polarityPattern"] = s.polarityPattern;
    j["harmonyRich"] = s.harmonyRich;
    j["sevenKillingsPattern"] = s.sevenKillingsPattern;
    j["wonderOrPairFlag"] = s.wonderOrPairFlag;
    j["mixedStarsFlag"] = s.mixedStarsFlag;
    j["uniformPillars"] = s.uniformPillars;
    // Luck.
    j["luckMinutes"] = s.luckMinutes;
    j["luckStartYears"] = s.luckStartYears;
    j["luckStartMonthNo"] = s.luckStartMonthNo;
    j["luckStartDays"] = s.luckStartDays;
    j["luckStartYear"] = s.luckStartYear;
    j["luckStartDateMonth"] = s.luckStartDateMonth;
    j["luckStartDateDay"] = s.luckStartDateDay;
    j["yearCodes"] = array_of(s.yearCodes);
    // Kept by the producers.
    j["chartCode"] = text(s.chartCode);
    j["elementScore"] = array_of(s.elementScore);
    j["supportScore"] = s.supportScore;
    j["opposeScore"] = s.opposeScore;
    j["warmth"] = s.warmth;
    j["luckYearSlots"] = array_of(s.luckYearSlots);
    j["ChildhoodDangerFlags"] = array_of(s.ChildhoodDangerFlags);
    j["chartComputed"] = s.chartComputed;
    return j;
}

}  // namespace cli

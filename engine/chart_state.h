// 命盘 — the one process-wide chart record. A dialog stores the birth data,
// compute_chart() clears and refills everything derived from it, and the
// producers read it to write the report.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

// A term of the window around the birth: its lunar year and lunar datetime code
// (month code * 1000000 + day * 10000 + hour * 100 + minute).
struct TermMoment {
    int lunarYear = 0;
    int code = 0;
};

struct TermWindow {
    TermMoment jie0, qi0, jie1, qi1, jie2, qi2, jie3;
};

// One moment of the birth: a solar date and clock time with the lunar date of that day.
struct BirthMoment {
    int solarYear = 0, solarMonth = 0, solarDay = 0;
    int hour = 0, minute = 0;
    int lunarYear = 0, lunarMonthCode = 0, lunarDay = 0;
};

// One value per pillar.
struct PillarValues {
    int year = 0, month = 0, day = 0, hour = 0;
};

// 空亡: the first of the two void branches.
struct VoidBranches {
    int year = 0, month = 0, day = 0, hour = 0, lifePalace = 0, fetalOrigin = 0;
};

// 生辰 — the input of one chart, written by the dialogs, never cleared by the driver.
// The longest name a chart keeps, in bytes of GBK: the history's name column.
inline constexpr std::size_t kPersonNameBytes = 19;

struct BirthData {
    std::string personName;  // at most kPersonNameBytes
    std::string birthProvince;
    std::string birthCity;
    // A place outside the table (abroad): its time zone (IANA name) and coordinates
    // in degrees east and north. Empty zone: the place is the table's, or none.
    std::string birthZone;
    float enteredLongitude = 0.0f, enteredLatitude = 0.0f;
    int solarInput = 0;  // 1 = entered in the solar calendar
    int sexFlag = 0;     // 1 = male
    int lunarYear = 0;
    int lunarMonthCode = 0;  // [1, 12], a leap month + 20
    int lunarDay = 0;        // [1, 30]
    std::uint8_t leapMonth = 0;
    int solarYear = 0, solarMonth = 0, solarDay = 0;
    int birthHour = 0;    // [0, 23] as entered, the civil clock of the birth place
    int birthMinute = 0;  // [0, 59] as entered
    int hourBranchNo = 0;  // BranchIndex of the two-hour period
    int currentLunarYear = 0;
    int nominalAge = 0;  // currentLunarYear - lunarYear + 1
};

struct ChartState : BirthData {
    // The entered moment on Beijing standard time, the clock of the term tables:
    // the year and month pillars, the term window and the luck start follow it.
    BirthMoment beijingTime;
    // The local true solar time: the day and hour pillars follow it.
    BirthMoment trueSolarTime;
    int daylightSavingSec = 0;  // -3600 when the entered clock was on daylight saving
    int zoneOffsetSec = 0;      // UTC offset of the place's standard time (28800 for China)

    // Corrected moment and calendar context.
    int solarHour = 0, solarMinute = 0;
    float birthLongitude = 0.0f, birthLatitude = 0.0f;
    int longitudeCorrectionSec = 0;
    int equationOfTimeSec = 0;
    int pillarDayYear = 0, pillarDayMonth = 0, pillarDayDay = 0;
    int weekday = 0;  // 0 = Sunday
    TermWindow termWindow;
    int birthCode = 0;

    // Pillars, cycle numbers [0, 59].
    int lunarYearCycle = 0;
    int yearPillar = 0, yearPillarYear = 0;
    int monthPillar = 0;
    int solarMonthNo = 0;  // [1, 12], 1 = 寅
    int qiMonthPillar = 0;
    int dayPillar = 0;
    int hourPillar = 0;

    // Split pillars.
    int yearStem = 0, yearBranch = 0, monthStem = 0, monthBranch = 0;
    int dayStem = 0, dayBranch = 0, hourStem = 0, hourBranch = 0;

    // Derivations.
    int tenGodYear = 0, tenGodMonth = 0, tenGodDay = 0, tenGodHour = 0;
    std::array<std::array<int, 3>, 4> hiddenStems{};     // year, month, day, hour; -1 where absent
    std::array<std::array<int, 3>, 4> hiddenTenGods{};   // 10 where absent
    PillarValues lifeStage;
    VoidBranches voidBranch;
    int lifePalace = 0;
    std::uint8_t lifePalaceShift = 0;
    std::array<int, 3> lifePalaceHiddenStems{};
    int sunriseBranch = 0;
    int fetalOrigin = 0;
    int boneWeight = 0;
    int punishmentCount = 0, clashCount = 0, harmonyCount = 0;

    // Pattern flags.
    int threeWonders = 0, pairedPillars = 0, jiaziJiawuDay = 0, hurtingOfficerFlag = 0;
    int clashHarmonyBalance = 0, punishClashFlag = 0, polarityPattern = 0, harmonyRich = 0;
    int sevenKillingsPattern = 0, wonderOrPairFlag = 0, mixedStarsFlag = 0, uniformPillars = 0;

    // Luck.
    int luckMinutes = 0;
    int luckStartYears = 0;
    int luckStartMonthNo = 0;
    int luckStartDays = 0;
    int luckStartYear = 0;
    int luckStartDateMonth = 0, luckStartDateDay = 0;
    std::array<int, 80> yearCodes{};

    // Kept by producers between stages.
    std::string chartCode;
    std::array<float, 5> elementScore{};  // 木 火 土 金 水
    float supportScore = 0.0f;
    float opposeScore = 0.0f;
    float warmth = 0.0f;
    std::array<int, 160> luckYearSlots{};
    std::array<std::uint8_t, 80> ChildhoodDangerFlags{};

    int chartComputed = 0;
};

extern ChartState chart;

// Step 1 of the driver: everything but the birth data back to its start value.
void clear_derived_fields(ChartState& state);

}  // namespace orvane

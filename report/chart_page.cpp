#include "report/chart_page.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/derivations.h"
#include "engine/lunar_calendar.h"
#include "engine/names.h"
#include "engine/options.h"
#include "platform/clock.h"
#include "platform/message.h"
#include "engine/numerals.h"
#include "report/field_map.h"
#include "report/report_fields.h"

namespace orvane {

const std::array<const char*, 12> ZodiacSignTable = {"天蝎座", "射手(人马)座", "山羊(魔蝎)座", "水瓶座",
                                                     "双鱼座", "白羊(牡羊)座", "金牛座",       "双子座",
                                                     "巨蟹座", "狮子座",       "处女座",       "天秤座"};

namespace {

constexpr FieldBlock kCodeField = field_block("chartCode");
constexpr FieldBlock kNameField = field_block("personName");
constexpr FieldBlock kSexField = field_block("sex");
constexpr FieldBlock kPlaceFields = field_block("birthPlace");
constexpr FieldBlock kTimeFields = field_block("birthTimes");
constexpr FieldBlock kTermFields = field_block("solarTerms");
constexpr FieldBlock kGoverningTermField = field_block("governingTerm");
constexpr FieldBlock kSignField = field_block("westernSign");
constexpr FieldBlock kSpanFields = field_block("termSpan");
constexpr FieldBlock kLunarDateFields = field_block("lunarBirthDate");
constexpr FieldBlock kPillarFields = field_block("pillarBlocks");
constexpr FieldBlock kCastTimeFields = field_block("castTime");

// The time fields by what they hold: the entered clock, the corrections (sign, minutes,
// seconds) and the corrected solar time.
enum TimeField {
    kEnteredYear, kEnteredMonth, kEnteredDay, kEnteredHour, kEnteredMinute, kWeekday,
    kLongitudeSign, kLongitudeMinutes, kLongitudeSeconds,
    kEquationSign, kEquationMinutes, kEquationSeconds,
    kSolarHour, kSolarMinute,
    kDaylightSign, kDaylightMinutes, kDaylightSeconds,
};
static_assert(kDaylightSeconds + 1 == kTimeFields.width);

std::string& field(int n) { return ReportFieldTable[static_cast<std::size_t>(n)]; }

std::string number(int value) { return std::to_string(value); }

std::string formatted(const char* pattern, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

const char* element_of(int stem) { return ElementNames[static_cast<std::size_t>(element_of_stem(stem))]; }

// Six fields of one term from `base`: name, lunar year, month ("闰" before a
// leap month), day, hour, minute.
void write_term(int base, int termNo, const TermMoment& moment) {
    const int monthCode = moment.code / 1000000;
    field(base) = SolarTermNames[static_cast<std::size_t>(wrap(termNo, 24))];
    field(base + 1) = number(moment.lunarYear);
    field(base + 2) = is_leap_code(monthCode) ? "闰" + number(base_month(monthCode)) : number(monthCode);
    field(base + 3) = number(moment.code / 10000 % 100);
    field(base + 4) = number(moment.code / 100 % 100);
    field(base + 5) = number(moment.code % 100);
}

void copy_term_data(int to, int termBase) {
    for (int i = 0; i < 5; ++i) field(to + i) = field(termBase + 1 + i);
}

// The four terms around the birth: which terms they are depends on where the
// lunar birth month K stands against the solar month L of the month pillar.
void write_solar_terms() {
    const int L = wrap1(chart.monthPillar + 10, 12);
    const int K = base_month(chart.lunarMonthCode);
    const TermWindow& w = chart.termWindow;
    struct Layout {
        int firstTerm;                        // term number of T1
        std::array<const TermMoment*, 4> data;  // T1 … T4
        int governingTerm;
        int copyFirst, copySecond;  // the rows of the two terms that bound the span
    };
    Layout layout;
    if (K == L + 1 || (K == 1 && L == 12)) {
        layout = {2 * L - 1, {&w.jie0, &w.qi0, &w.jie1, &w.qi1}, 2 * L, 1, 3};
    } else if (L == K + 1 || (K == 12 && L == 1)) {
        layout = {2 * L - 2, {&w.qi1, &w.jie2, &w.qi2, &w.jie3}, 2 * L - 1, 0, 2};
    } else if (K == L && !chart.lifePalaceShift) {
        layout = {2 * L - 2, {&w.qi0, &w.jie1, &w.qi1, &w.jie2}, 2 * L - 1, 0, 2};
    } else if (K == L) {
        layout = {2 * L - 1, {&w.jie1, &w.qi1, &w.jie2, &w.qi2}, 2 * L, 1, 3};
    } else {
        platform::show_message("BUG:m1,m2");
        return;
    }
    for (int i = 0; i < 4; ++i)
        write_term(kTermFields.at(i, 0), layout.firstTerm + i, *layout.data[static_cast<std::size_t>(i)]);
    field(kGoverningTermField[0]) = SolarTermNames[static_cast<std::size_t>(wrap(layout.governingTerm, 24))];
    copy_term_data(kSpanFields[0], kTermFields.at(layout.copyFirst, 0));
    copy_term_data(kSpanFields[5], kTermFields.at(layout.copySecond, 0));
}

void write_lunar_birth_date() {
    if (options.optMidnightDayBoundary || chart.solarHour != 23) {
        field(kLunarDateFields[0]) = num2cc(chart.lunarYear, 1);
        field(kLunarDateFields[1]) = (chart.leapMonth ? "闰" : "") + num2cc(base_month(chart.lunarMonthCode), 2);
        field(kLunarDateFields[2]) = num2cc(chart.lunarDay, 3);
        field(kLunarDateFields[3]) = chart.solarHour == 23 ? "夜子" : branch_name(chart.hourBranchNo);
    } else {
        // The day turned at 23:00: the date of the pillar day is shown.
        field(kLunarDateFields[0]) = num2cc(chart.pillarDayYear, 1);
        field(kLunarDateFields[1]) = (is_leap_code(chart.pillarDayMonth) ? "闰" : "") + num2cc(base_month(chart.pillarDayMonth), 2);
        field(kLunarDateFields[2]) = num2cc(chart.pillarDayDay, 3);
        field(kLunarDateFields[3]) = "子";
    }
}

void write_person_and_times() {
    if (!chart.personName.empty()) field(kNameField[0]) = chart.personName;
    field(kSexField[0]) = chart.sexFlag ? "男" : "女";
    // A place outside the table is shown as it was entered: its zone and coordinates.
    field(kPlaceFields[0]) = chart.birthZone.empty() ? chart.birthProvince : chart.birthZone;
    field(kPlaceFields[1]) = chart.birthZone.empty() ? chart.birthCity : std::string();
    // Degrees without sign; the hemisphere is its own word, 西经 and 南纬 abroad.
    field(kPlaceFields[2]) = formatted("%.1f", std::fabs(chart.birthLongitude));
    field(kPlaceFields[3]) = formatted("%.1f", std::fabs(chart.birthLatitude));
    field(kPlaceFields[5]) = chart.birthLongitude < 0.0f ? "西经" : "东经";
    field(kPlaceFields[6]) = chart.birthLatitude < 0.0f ? "南纬" : "北纬";
    field(kPlaceFields[4]) = branch_name(chart.sunriseBranch);
    field(kTimeFields[kEnteredYear]) = number(chart.solarYear);
    field(kTimeFields[kEnteredMonth]) = number(chart.solarMonth);
    field(kTimeFields[kEnteredDay]) = number(chart.solarDay);
    field(kTimeFields[kEnteredHour]) = number(chart.birthHour);
    field(kTimeFields[kEnteredMinute]) = number(chart.birthMinute);
    field(kTimeFields[kWeekday]) = chart.weekday == 0 ? "天" : num2cc(chart.weekday, 0);
    if (options.optTrueSolarTime) {
        // Against the meridian of the place's standard time: 120° E for China.
        const int t = chart.longitudeCorrectionSec;
        const float meridian = static_cast<float>(chart.zoneOffsetSec) / 240.0f;
        field(kTimeFields[kLongitudeSign]) = chart.birthLongitude >= meridian ? "快" : "慢";
        field(kTimeFields[kLongitudeMinutes]) = number(std::abs(t) / 60);
        field(kTimeFields[kLongitudeSeconds]) = number(std::abs(t) % 60);
        const int e = chart.equationOfTimeSec;
        field(kTimeFields[kEquationSign]) = e < 0 ? "慢" : "快";
        field(kTimeFields[kEquationMinutes]) = number(std::abs(e) / 60);
        field(kTimeFields[kEquationSeconds]) = number(std::abs(e) % 60);
        // Daylight saving: the clock ran ahead of standard time.
        const int d = chart.daylightSavingSec;
        field(kTimeFields[kDaylightSign]) = d < 0 ? "慢" : "快";
        field(kTimeFields[kDaylightMinutes]) = number(std::abs(d) / 60);
        field(kTimeFields[kDaylightSeconds]) = number(std::abs(d) % 60);
    } else {
        for (int n : {kLongitudeSign, kEquationSign, kDaylightSign}) field(kTimeFields[n]) = "快";
        for (int n : {kLongitudeMinutes, kLongitudeSeconds, kEquationMinutes, kEquationSeconds, kDaylightMinutes,
                      kDaylightSeconds})
            field(kTimeFields[n]) = "0";
    }
    field(kTimeFields[kSolarHour]) = number(chart.solarHour);
    field(kTimeFields[kSolarMinute]) = number(chart.solarMinute);
    field(kSignField[0]) = ZodiacSignTable[static_cast<std::size_t>(wrap(chart.monthPillar + (chart.lifePalaceShift ? 1 : 0), 12))];

    const platform::LocalTime now = platform::now_local();
    field(kCastTimeFields[0]) = number(now.year);
    field(kCastTimeFields[1]) = number(now.month);
    field(kCastTimeFields[2]) = number(now.day);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    field(kCastTimeFields[3]) = clock;
}

}  // namespace

void write_hidden_stem_fields(int at, int stem) {
    if (stem < 1) {
        field(at) = "　";
        field(at + 1) = "　";
        field(at + 2) = "　　";
        return;
    }
    field(at) = StemNames[static_cast<std::size_t>(stem)];
    field(at + 1) = element_of(stem);
    field(at + 2) = TenGodNames[static_cast<std::size_t>(tenGod(chart.dayPillar, stem))];
}

void write_pillar_block(int base, int pillar, const std::array<int, 3>& hiddenStems, int lifeStage, int voidBranch,
                        bool isDayPillar) {
    field(base) = cycle_name(pillar);
    field(base + 1) = element_of(stem_of(pillar));
    field(base + 2) = isDayPillar ? "" : TenGodNames[static_cast<std::size_t>(tenGod(chart.dayPillar, pillar))];
    for (std::size_t i = 0; i < 3; ++i) write_hidden_stem_fields(base + 3 + 3 * static_cast<int>(i), hiddenStems[i]);
    field(base + 12) = LifeStageNames[static_cast<std::size_t>(wrap(lifeStage, 12))];
    field(base + 13) = branch_name(voidBranch) + "、" + branch_name(voidBranch + 1);
    field(base + 14) = NayinNames[static_cast<std::size_t>(nayin_code(pillar))];
}

void write_chart_page_fields() {
    clear_report_fields(0, kLastFieldOfANewChart);
    write_person_and_times();
    write_lunar_birth_date();
    write_solar_terms();

    const int pillars[4] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
    const int stages[4] = {chart.lifeStage.year, chart.lifeStage.month, chart.lifeStage.day, chart.lifeStage.hour};
    const int voids[4] = {chart.voidBranch.year, chart.voidBranch.month, chart.voidBranch.day, chart.voidBranch.hour};
    for (std::size_t i = 0; i < 4; ++i)
        write_pillar_block(kPillarFields.at(static_cast<int>(i), 0), pillars[i], chart.hiddenStems[i], stages[i], voids[i], i == 2);
    write_pillar_block(kPillarFields.at(4, 0), chart.lifePalace, hidden_stems_of(chart.lifePalace), lifeStageOf(chart.lifePalace),
                       chart.voidBranch.lifePalace, false);
    write_pillar_block(kPillarFields.at(5, 0), chart.fetalOrigin, hidden_stems_of(chart.fetalOrigin), lifeStageOf(chart.fetalOrigin),
                       chart.voidBranch.fetalOrigin, false);
    publish_chart_code();
}

void publish_chart_code() { ReportFieldTable[kCodeField[0]] = chart.chartCode; }

}  // namespace orvane

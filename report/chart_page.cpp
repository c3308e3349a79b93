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
#include "report/report_fields.h"

namespace orvane {

const std::array<const char*, 12> ZodiacSignTable = {"天蝎座", "射手(人马)座", "山羊(魔蝎)座", "水瓶座",
                                                     "双鱼座", "白羊(牡羊)座", "金牛座",       "双子座",
                                                     "巨蟹座", "狮子座",       "处女座",       "天秤座"};

namespace {

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
        int nameOf187;
        int copyFirst, copySecond;  // the terms copied into 189-193 and 194-198
    };
    Layout layout;
    if (K == L + 1 || (K == 1 && L == 12)) {
        layout = {2 * L - 1, {&w.jie0, &w.qi0, &w.jie1, &w.qi1}, 2 * L, 161, 181};
    } else if (L == K + 1 || (K == 12 && L == 1)) {
        layout = {2 * L - 2, {&w.qi1, &w.jie2, &w.qi2, &w.jie3}, 2 * L - 1, 151, 171};
    } else if (K == L && !chart.lifePalaceShift) {
        layout = {2 * L - 2, {&w.qi0, &w.jie1, &w.qi1, &w.jie2}, 2 * L - 1, 151, 171};
    } else if (K == L) {
        layout = {2 * L - 1, {&w.jie1, &w.qi1, &w.jie2, &w.qi2}, 2 * L, 161, 181};
    } else {
        platform::show_message("BUG:m1,m2");
        return;
    }
    for (int i = 0; i < 4; ++i) write_term(151 + 10 * i, layout.firstTerm + i, *layout.data[static_cast<std::size_t>(i)]);
    field(187) = SolarTermNames[static_cast<std::size_t>(wrap(layout.nameOf187, 24))];
    copy_term_data(189, layout.copyFirst);
    copy_term_data(194, layout.copySecond);
}

void write_lunar_birth_date() {
    if (options.optMidnightDayBoundary || chart.solarHour != 23) {
        field(201) = num2cc(chart.lunarYear, 1);
        field(202) = (chart.leapMonth ? "闰" : "") + num2cc(base_month(chart.lunarMonthCode), 2);
        field(203) = num2cc(chart.lunarDay, 3);
        field(204) = chart.solarHour == 23 ? "夜子" : branchName(chart.hourBranchNo);
    } else {
        // The day turned at 23:00: the date of the pillar day is shown.
        field(201) = num2cc(chart.pillarDayYear, 1);
        field(202) = (is_leap_code(chart.pillarDayMonth) ? "闰" : "") + num2cc(base_month(chart.pillarDayMonth), 2);
        field(203) = num2cc(chart.pillarDayDay, 3);
        field(204) = "子";
    }
}

void write_person_and_times() {
    if (!chart.personName.empty()) field(101) = chart.personName;
    field(111) = chart.sexFlag ? "男" : "女";
    // A place outside the table is shown as it was entered: its zone and coordinates.
    field(121) = chart.birthZone.empty() ? chart.birthProvince : chart.birthZone;
    field(122) = chart.birthZone.empty() ? chart.birthCity : std::string();
    // Degrees without sign; the hemisphere is its own word, 西经 and 南纬 abroad.
    field(123) = formatted("%.1f", std::fabs(chart.birthLongitude));
    field(124) = formatted("%.1f", std::fabs(chart.birthLatitude));
    field(126) = chart.birthLongitude < 0.0f ? "西经" : "东经";
    field(127) = chart.birthLatitude < 0.0f ? "南纬" : "北纬";
    field(125) = branchName(chart.sunriseBranch);
    field(131) = number(chart.solarYear);
    field(132) = number(chart.solarMonth);
    field(133) = number(chart.solarDay);
    field(134) = number(chart.birthHour);
    field(135) = number(chart.birthMinute);
    field(136) = chart.weekday == 0 ? "天" : num2cc(chart.weekday, 0);
    if (options.optTrueSolarTime) {
        // Against the meridian of the place's standard time: 120° E for China.
        const int t = chart.longitudeCorrectionSec;
        const float meridian = static_cast<float>(chart.zoneOffsetSec) / 240.0f;
        field(137) = chart.birthLongitude >= meridian ? "快" : "慢";
        field(138) = number(std::abs(t) / 60);
        field(139) = number(std::abs(t) % 60);
        const int e = chart.equationOfTimeSec;
        field(140) = e < 0 ? "慢" : "快";
        field(141) = number(std::abs(e) / 60);
        field(142) = number(std::abs(e) % 60);
        // Daylight saving: the clock ran ahead of standard time.
        const int d = chart.daylightSavingSec;
        field(145) = d < 0 ? "慢" : "快";
        field(146) = number(std::abs(d) / 60);
        field(147) = number(std::abs(d) % 60);
    } else {
        for (int n : {137, 140, 145}) field(n) = "快";
        for (int n : {138, 139, 141, 142, 146, 147}) field(n) = "0";
    }
    field(143) = number(chart.solarHour);
    field(144) = number(chart.solarMinute);
    field(188) = ZodiacSignTable[static_cast<std::size_t>(wrap(chart.monthPillar + (chart.lifePalaceShift ? 1 : 0), 12))];

    const platform::LocalTime now = platform::now_local();
    field(4901) = number(now.year);
    field(4902) = number(now.month);
    field(4903) = number(now.day);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    field(4904) = clock;
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
    field(base) = cycleName(pillar);
    field(base + 1) = element_of(stem_of(pillar));
    field(base + 2) = isDayPillar ? "" : TenGodNames[static_cast<std::size_t>(tenGod(chart.dayPillar, pillar))];
    for (std::size_t i = 0; i < 3; ++i) write_hidden_stem_fields(base + 3 + 3 * static_cast<int>(i), hiddenStems[i]);
    field(base + 12) = LifeStageNames[static_cast<std::size_t>(wrap(lifeStage, 12))];
    field(base + 13) = branchName(voidBranch) + "、" + branchName(voidBranch + 1);
    field(base + 14) = NayinNames[static_cast<std::size_t>(nayin_code(pillar))];
}

void write_chart_page_fields() {
    clear_report_fields(0, 4999);
    write_person_and_times();
    write_lunar_birth_date();
    write_solar_terms();

    const int pillars[4] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
    const int stages[4] = {chart.lifeStage.year, chart.lifeStage.month, chart.lifeStage.day, chart.lifeStage.hour};
    const int voids[4] = {chart.voidBranch.year, chart.voidBranch.month, chart.voidBranch.day, chart.voidBranch.hour};
    for (std::size_t i = 0; i < 4; ++i)
        write_pillar_block(301 + 15 * static_cast<int>(i), pillars[i], chart.hiddenStems[i], stages[i], voids[i], i == 2);
    write_pillar_block(361, chart.lifePalace, hiddenStemsOf(chart.lifePalace), lifeStageOf(chart.lifePalace),
                       chart.voidBranch.lifePalace, false);
    write_pillar_block(376, chart.fetalOrigin, hiddenStemsOf(chart.fetalOrigin), lifeStageOf(chart.fetalOrigin),
                       chart.voidBranch.fetalOrigin, false);
    publish_chart_code();
}

void publish_chart_code() { ReportFieldTable[1] = chart.chartCode; }

}  // namespace orvane

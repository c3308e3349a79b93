#include "engine/pillars.h"

#include "engine/calendar_tables.h"
#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/gregorian.h"
#include "engine/lunar_calendar.h"
#include "engine/options.h"
#include "engine/solar_terms.h"
#include "engine/true_solar_time.h"

namespace orvane {

int year_pillar_shift(int monthCode, int birthCode, int jie1, int jie2) {
    // A 立春 counts only inside the birth's own lunar month: jie1 of month 1 may still lie in
    // month 12, jie2 of month 12 already in month 1.
    if (monthCode == 1 && month_code_of_datetime(jie1) < 12 && birthCode < jie1) return -1;
    if (monthCode == 12 && month_code_of_datetime(jie2) >= 2 && birthCode >= jie2) return +1;
    return 0;
}

int solar_month_number(int monthCode, int birthCode, int jie1, int jie2) {
    if (is_leap_code(monthCode)) {
        const int l = base_month(monthCode);
        return birthCode >= jie2 ? l + 1 : l;
    }
    const int m = monthCode;
    if (m == 1) {
        if (birthCode >= jie2) return 2;
        if (month_code_of_datetime(jie1) >= 12 || birthCode >= jie1) return 1;
        return 12;
    }
    if (m == 12) {
        // A 小寒 in a leap 11th month before (2033) lies before every day of month 12.
        if (!is_leap_code(month_code_of_datetime(jie1)) && birthCode < jie1) return 11;
        if (month_code_of_datetime(jie2) >= 2 && birthCode >= jie2) return 1;
        return 12;
    }
    if (is_leap_code(month_code_of_datetime(jie1))) return birthCode >= jie2 ? m + 1 : m;  // jie1 in the leap month before
    if (is_leap_code(month_code_of_datetime(jie2))) return birthCode < jie1 ? m - 1 : m;   // jie2 in the leap month after
    if (birthCode < jie1) return m - 1;
    if (birthCode >= jie2) return m + 1;
    return m;
}

int day_pillar_of(int lunarYear, int monthCode, int day) {
    const int first = NewYearDayCycleTable[static_cast<size_t>(lunarYear - kTableFirstYear)];
    return (first + day + daysBeforeLunarMonth(lunarYear, monthCode) - 1) % 60;
}

int qi_month_number(int monthCode, int birthCode, int qi1) {
    if (is_leap_code(monthCode)) return base_month(monthCode) + 1;
    return birthCode >= qi1 ? monthCode + 1 : monthCode;
}

namespace {

// The lunar date after a 23:00 birth when the day changes at 23:00.
void store_pillar_day(const BirthMoment& birth) {
    const int y = birth.lunarYear;
    const int code = birth.lunarMonthCode;
    const int length = lunar_month_length(y, code);
    if (birth.lunarDay < length) {
        chart.pillarDayYear = y;
        chart.pillarDayMonth = code;
        chart.pillarDayDay = birth.lunarDay + 1;
        return;
    }
    chart.pillarDayDay = 1;
    chart.pillarDayYear = y;
    const int m = base_month(code);
    if (is_leap_code(code) || m != leapMonthOfYear(y)) {
        if (m == 12) {
            chart.pillarDayYear = y + 1;
            chart.pillarDayMonth = 1;
        } else {
            chart.pillarDayMonth = m + 1;
        }
    } else {
        chart.pillarDayMonth = leap_code_of(m);  // the leap month that follows
    }
}

void load_term_window(int lunarYear, int monthCode) {
    const int k0 = term_index(lunarYear, base_month(monthCode) - 1);
    TermWindow& w = chart.termWindow;
    w.jie0 = jie_moment(k0);
    w.qi0 = qi_moment(k0);
    w.jie1 = jie_moment(k0 + 1);
    w.qi1 = qi_moment(k0 + 1);
    w.jie2 = jie_moment(k0 + 2);
    w.qi2 = qi_moment(k0 + 2);
    w.jie3 = jie_moment(k0 + 3);
}

}  // namespace

void compute_pillars() {
    apply_true_solar_time();
    // The year and month pillars belong to the moment on Beijing time, the clock
    // of the term tables (a 节 is a moment); the day and hour pillars to the local
    // true solar time.
    const BirthMoment& at = chart.beijingTime;
    const BirthMoment& local = chart.trueSolarTime;

    const bool dayTurnsAt23 = options.optMidnightDayBoundary == 0 && chart.solarHour == 23;
    if (dayTurnsAt23) store_pillar_day(local);

    chart.weekday = weekday(chart.solarYear, chart.solarMonth, chart.solarDay);

    load_term_window(at.lunarYear, at.lunarMonthCode);
    chart.birthCode = lunar_datetime_code(at.lunarMonthCode, at.lunarDay, at.hour, at.minute);
    const int jie1 = chart.termWindow.jie1.code;
    const int jie2 = chart.termWindow.jie2.code;

    chart.lunarYearCycle = year_cycle_of(at.lunarYear);
    const int shift = year_pillar_shift(at.lunarMonthCode, chart.birthCode, jie1, jie2);
    chart.yearPillar = cycle(chart.lunarYearCycle + shift);
    chart.yearPillarYear = at.lunarYear + shift;

    const int n = solar_month_number(at.lunarMonthCode, chart.birthCode, jie1, jie2);
    chart.monthPillar = month_pillar_of(n, chart.yearPillar);
    chart.solarMonthNo = wrap1(chart.monthPillar + 10, 12);

    chart.dayPillar = day_pillar_of(local.lunarYear, local.lunarMonthCode, local.lunarDay);
    if (dayTurnsAt23) chart.dayPillar = cycle(chart.dayPillar + 1);

    chart.hourPillar = hour_pillar_of(chart.hourBranchNo, chart.dayPillar);
    if (chart.solarHour == 23 && options.optMidnightDayBoundary == 1 && options.optLateZiNextStem == 1)
        chart.hourPillar = cycle(chart.hourPillar + 12);

    const int a = qi_month_number(at.lunarMonthCode, chart.birthCode, chart.termWindow.qi1.code);
    chart.qiMonthPillar = month_pillar_of(a, chart.yearPillar);
}

}  // namespace orvane

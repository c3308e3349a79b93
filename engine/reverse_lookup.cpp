#include "engine/reverse_lookup.h"

#include <algorithm>
#include <string_view>

#include "engine/calendar_tables.h"
#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "engine/options.h"
#include "engine/pillars.h"
#include "engine/solar_terms.h"
#include "engine/true_solar_time.h"
#include "platform/message.h"
#include "engine/numerals.h"

namespace orvane {
namespace {

constexpr const char* kNoSuchDay = "该月不存在这个日柱";
constexpr const char* kTermDayHour = "该日是节候日，不存在这个时柱";

// The cycle number of a pillar's name, -1 for any other text (a stem and a
// branch of different polarity among them).
int cycle_of_name(std::string_view name) {
    for (int n = 0; n < 60; ++n)
        if (name == CycleNames[static_cast<std::size_t>(n)]) return n;
    return -1;
}

int stem_of_name(std::string_view name) {
    for (int s = 1; s <= 10; ++s)
        if (name == StemNames[static_cast<std::size_t>(s)]) return s;
    return 0;
}

// D on the cyclic range from D1 to D2, both ends included.
constexpr bool in_cyclic_range(int d, int d1, int d2) { return d1 <= d2 ? d1 <= d && d <= d2 : d >= d1 || d <= d2; }

// The lunar month after the given one: a month followed by a leap month goes
// to the leap month, the leap month to the next regular month.
LunarDate next_lunar_month(const LunarDate& date) {
    const int m = base_month(date.monthCode);
    if (!is_leap_code(date.monthCode) && leapMonthOfYear(date.year) == m) return {date.year, leap_code_of(m), date.day};
    if (m == 12) return {date.year + 1, 1, date.day};
    return {date.year, m + 1, date.day};
}

// Adds days to a lunar date by carrying over the month lengths.
std::optional<LunarDate> add_lunar_days(LunarDate date, int days) {
    date.day += days;
    for (int boundaries = 0; boundaries < 3; ++boundaries) {
        const int length = lunar_month_length(date.year, date.monthCode);
        if (length == 0) return std::nullopt;
        if (date.day <= length) return date;
        date.day -= length;
        date = next_lunar_month(date);
    }
    return std::nullopt;
}

// A 节 as the search reads it: its lunar date, its day pillar and the branch of its hour.
struct TermDay {
    LunarDate date;
    int dayPillar;
    int hour;
    int branch;
};

TermDay term_day(int k) {
    const TermMoment moment = jie_moment(k);
    const LunarDate date{moment.lunarYear, moment.code / 1000000, moment.code / 10000 % 100};
    const int hour = SolarTermTable[static_cast<std::size_t>(k)].jieHour;
    return {date, day_pillar_of(date.year, date.monthCode, date.day), hour, hour_branch_of_hour(hour)};
}

std::vector<std::string> names_of(const std::vector<int>& pillars) {
    std::vector<std::string> names;
    for (int n : pillars) names.push_back(cycle_name(n));
    return names;
}

ReverseLookupState::combo_of filled(std::vector<std::string> items) { return {std::move(items), {}, true}; }

bool offers(const ReverseLookupState::combo_of& list, const std::string& text) {
    return list.enabled && std::find(list.items.begin(), list.items.end(), text) != list.items.end();
}

}  // namespace

std::vector<int> years_of_pillar(int yearPillar) {
    std::vector<int> years;
    for (int year = kReverseFirstYear; year <= kReverseLastYear; ++year)
        if (year_cycle_of(year) == cycle(yearPillar)) years.push_back(year);
    return years;
}

std::vector<int> branches_of_polarity(int stem) {
    std::vector<int> branches;
    for (int b = is_yang(stem) ? 1 : 2; b <= 12; b += 2) branches.push_back(b);
    return branches;
}

std::vector<int> month_pillars_of_year_stem(int stem) {
    std::vector<int> pillars;
    for (int u = 1; u <= 12; ++u) pillars.push_back(month_pillar_of(u, stem));  // pillar `stem` carries that stem
    return pillars;
}

std::vector<int> hour_pillars_of_day_stem(int stem) {
    std::vector<int> pillars;
    for (int h = 1; h <= 12; ++h) pillars.push_back(hour_pillar_of(h, stem));
    return pillars;
}

ReverseMatch reverse_search(int year, int monthPillar, int dayPillar, int hourPillar) {
    ReverseMatch match;
    const int u = wrap1(monthPillar + 10, 12);  // 1 = 寅 … 12 = 丑
    const int k = term_index(year, u);
    if (!has_term_entry(k) || !has_term_entry(k + 1)) {
        match.refusal = kNoSuchDay;
        return match;
    }
    const TermDay opening = term_day(k);
    const TermDay closing = term_day(k + 1);
    const int d = cycle(dayPillar);
    if (!in_cyclic_range(d, opening.dayPillar, closing.dayPillar)) {
        match.refusal = kNoSuchDay;
        return match;
    }
    const int h = branch_of(hourPillar);
    const bool beforeOpening = d == opening.dayPillar && (h < opening.branch || opening.hour == 23);
    // A closing 节 at 23:xx comes after every period of its day.
    const bool afterClosing = d == closing.dayPillar && closing.branch < h && closing.hour != 23;
    if (beforeOpening || afterClosing) {
        match.refusal = kTermDayHour;
        return match;
    }
    const auto lunar = add_lunar_days(opening.date, cycle(d - opening.dayPillar));
    const auto solar = lunar ? solar_date_of_lunar(*lunar) : std::nullopt;
    if (!solar) {
        match.refusal = kNoSuchDay;
        return match;
    }
    match.found = true;
    match.lunar = *lunar;
    match.solar = *solar;
    match.hourBranch = h;
    return match;
}

std::string reverse_result_text(const ReverseMatch& match) {
    std::string text = "公历：";
    text += std::to_string(match.solar.year) + "年" + std::to_string(match.solar.month) + "月" +
            std::to_string(match.solar.day) + "日" + std::to_string(2 * match.hourBranch - 2) + "时";
    text += '\r';
    text += "农历：";
    text += num2cc_leap(match.lunar.year, 1) + "年" + num2cc_leap(match.lunar.monthCode, 2) + "月" +
            num2cc_leap(match.lunar.day, 3) + "日" + branch_name(match.hourBranch) + "时";
    return text;
}

ReverseLookupState::ReverseLookupState() {
    std::vector<std::string> stems(StemNames.begin() + 1, StemNames.end());
    yearStem_ = filled(stems);
    dayStem_ = filled(stems);
}

bool ReverseLookupState::chooseYearStem(const std::string& stem) {
    if (!offers(yearStem_, stem)) return false;
    yearStem_.selected = stem;
    std::vector<std::string> branches;
    for (int b : branches_of_polarity(stem_of_name(stem))) branches.push_back(branch_name(b));
    yearBranch_ = filled(std::move(branches));
    year_ = combo_of{};
    monthPillar_ = combo_of{};
    confirmEnabled_ = false;
    return true;
}

bool ReverseLookupState::chooseYearBranch(const std::string& branch) {
    if (!yearBranch_.enabled) return false;
    const int n = cycle_of_name(yearStem_.selected + branch);
    if (n < 0) {
        platform::show_message(kYearPillarMismatch);
        return false;
    }
    yearBranch_.selected = branch;
    std::vector<std::string> years;
    for (int year : years_of_pillar(n)) years.push_back(std::to_string(year));
    year_ = filled(std::move(years));
    monthPillar_ = filled(names_of(month_pillars_of_year_stem(stem_of(n))));
    resultText_.clear();
    confirmEnabled_ = false;
    return true;
}

bool ReverseLookupState::chooseMonthPillar(const std::string& pillar) {
    if (!offers(monthPillar_, pillar)) return false;
    monthPillar_.selected = pillar;
    searchWhenComplete();
    return true;
}

bool ReverseLookupState::chooseDayStem(const std::string& stem) {
    if (!offers(dayStem_, stem)) return false;
    dayStem_.selected = stem;
    std::vector<std::string> branches;
    for (int b : branches_of_polarity(stem_of_name(stem))) branches.push_back(branch_name(b));
    dayBranch_ = filled(std::move(branches));
    // The listed hour pillars belong to the former stem.
    hourPillar_.enabled = false;
    hourPillar_.selected.clear();
    confirmEnabled_ = false;
    return true;
}

bool ReverseLookupState::chooseDayBranch(const std::string& branch) {
    if (!offers(dayBranch_, branch)) return false;
    dayBranch_.selected = branch;
    hourPillar_ = filled(names_of(hour_pillars_of_day_stem(stem_of_name(dayStem_.selected))));
    // A result found for the former day no longer matches the pillars.
    confirmEnabled_ = false;
    return true;
}

bool ReverseLookupState::chooseHourPillar(const std::string& pillar) {
    if (!offers(hourPillar_, pillar)) return false;
    hourPillar_.selected = pillar;
    searchWhenComplete();
    return true;
}

bool ReverseLookupState::chooseYear(const std::string& year) {
    if (!offers(year_, year)) return false;
    year_.selected = year;
    searchWhenComplete();
    return true;
}

void ReverseLookupState::chooseSex(bool male) { male_ = male; }

bool ReverseLookupState::confirm() {
    if (!confirmEnabled_) return false;
    chart.sexFlag = male_ ? 1 : 0;
    return true;
}

void ReverseLookupState::searchWhenComplete() {
    if (monthPillar_.selected.empty() || hourPillar_.selected.empty() || year_.selected.empty()) return;
    const int dayPillar = cycle_of_name(dayStem_.selected + dayBranch_.selected);
    if (dayPillar < 0) return;
    const ReverseMatch match = reverse_search(std::stoi(year_.selected), cycle_of_name(monthPillar_.selected), dayPillar,
                                              cycle_of_name(hourPillar_.selected));
    if (!match.found) {
        resultText_ = match.refusal;
        confirmEnabled_ = false;
        return;
    }
    resultText_ = reverse_result_text(match);
    storeBirth(match);
    confirmEnabled_ = true;
}

void ReverseLookupState::storeBirth(const ReverseMatch& match) {
    const int h = match.hourBranch;
    chart.hourBranchNo = h;
    chart.leapMonth = is_leap_code(match.lunar.monthCode) ? 1 : 0;
    chart.solarInput = 0;
    chart.lunarYear = match.lunar.year;
    chart.lunarMonthCode = match.lunar.monthCode;
    chart.lunarDay = match.lunar.day;
    chart.birthHour = 2 * h - 2;
    chart.birthMinute = 0;
    chart.currentLunarYear = currentLunarYear();
    chart.nominalAge = chart.currentLunarYear - chart.lunarYear + 1;
    chart.solarYear = match.solar.year;
    chart.solarMonth = match.solar.month;
    chart.solarDay = match.solar.day;
    chart.personName.clear();
    chart.sexFlag = male_ ? 1 : 0;
    chart.birthProvince.clear();
    chart.birthCity.clear();
    // The chart of given pillars must not be shifted by a birth place.
    options.optTrueSolarTime = 0;
}

}  // namespace orvane

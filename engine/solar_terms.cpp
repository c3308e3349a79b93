#include "engine/solar_terms.h"

#include "engine/lunar_calendar.h"

namespace orvane {

bool has_term_entry(int k) { return k >= 1 && k < kSolarTermEntries; }

int term_lunar_year(int k, int code) {
    const SolarTermEntry& e = SolarTermTable[static_cast<size_t>(k)];
    const int j = k % 12 == 0 ? 12 : k % 12;
    const int gregorianYear = j == 12 ? e.termYear + 1 : e.termYear;  // 小寒 and 大寒 fall in January
    const int month = base_month(code / 1000000);
    const bool januaryOrFebruary = j == 12 || j == 1;
    if (januaryOrFebruary && month >= 11) return gregorianYear - 1;
    return gregorianYear;
}

TermMoment jie_moment(int k) {
    if (!has_term_entry(k)) return {};
    int code = jie_datetime_code(SolarTermTable[static_cast<size_t>(k)]);
    return {term_lunar_year(k, code), code};
}

TermMoment qi_moment(int k) {
    if (!has_term_entry(k)) return {};
    int code = qi_datetime_code(SolarTermTable[static_cast<size_t>(k)]);
    return {term_lunar_year(k, code), code};
}

std::optional<SolarDate> term_solar_date(const TermMoment& moment) {
    const int monthCode = moment.code / 1000000;
    const int day = moment.code / 10000 % 100;
    return solar_date_of_lunar({moment.lunarYear, monthCode, day});
}

std::optional<long long> absolute_minute(const TermMoment& moment) {
    auto date = term_solar_date(moment);
    if (!date) return std::nullopt;
    const int hour = moment.code / 100 % 100;
    const int minute = moment.code % 100;
    return static_cast<long long>(days_from_civil(*date)) * 1440 + hour * 60 + minute;
}

}  // namespace orvane

#include "engine/solar_terms.h"

#include "engine/lunar_calendar.h"

namespace orvane {

bool hasTermEntry(int k) { return k >= 1 && k < kSolarTermEntries; }

int termLunarYear(int k, int code) {
    const SolarTermEntry& e = SolarTermTable[static_cast<size_t>(k)];
    const int j = k % 12 == 0 ? 12 : k % 12;
    const int gregorianYear = j == 12 ? e.termYear + 1 : e.termYear;  // 小寒 and 大寒 fall in January
    const int month = baseMonth(code / 1000000);
    const bool januaryOrFebruary = j == 12 || j == 1;
    if (januaryOrFebruary && month >= 11) return gregorianYear - 1;
    return gregorianYear;
}

TermMoment jieMoment(int k) {
    if (!hasTermEntry(k)) return {};
    int code = jieDatetimeCode(SolarTermTable[static_cast<size_t>(k)]);
    return {termLunarYear(k, code), code};
}

TermMoment qiMoment(int k) {
    if (!hasTermEntry(k)) return {};
    int code = qiDatetimeCode(SolarTermTable[static_cast<size_t>(k)]);
    return {termLunarYear(k, code), code};
}

std::optional<SolarDate> termSolarDate(const TermMoment& moment) {
    const int monthCode = moment.code / 1000000;
    const int day = moment.code / 10000 % 100;
    return solarDateOfLunar({moment.lunarYear, monthCode, day});
}

std::optional<long long> absoluteMinute(const TermMoment& moment) {
    auto date = termSolarDate(moment);
    if (!date) return std::nullopt;
    const int hour = moment.code / 100 % 100;
    const int minute = moment.code % 100;
    return static_cast<long long>(daysFromCivil(*date)) * 1440 + hour * 60 + minute;
}

}  // namespace orvane

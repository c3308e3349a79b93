// The calendar conversions and a full solar-term lookup.
#include <benchmark/benchmark.h>

#include "engine/calendar_tables.h"
#include "engine/gregorian.h"
#include "engine/lunar_calendar.h"
#include "engine/solar_terms.h"

namespace {

void BM_SolarToLunar(benchmark::State& state) {
    int z = orvane::days_from_civil(1900, 2, 1);
    const int last = orvane::days_from_civil(2020, 12, 31);
    for (auto _ : state) {
        auto lunar = orvane::lunar_date_of_solar(orvane::civil_from_days(z));
        benchmark::DoNotOptimize(lunar);
        if (++z > last) z = orvane::days_from_civil(1900, 2, 1);
    }
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state) {
    int year = 1900, month = 1;
    for (auto _ : state) {
        auto solar = orvane::solar_date_of_lunar({year, month, 15});
        benchmark::DoNotOptimize(solar);
        if (++month > 12) {
            month = 1;
            if (++year > 2020) year = 1900;
        }
    }
}
BENCHMARK(BM_LunarToSolar);

// What `orvane-cli terms YYYY` does: the twelve entries of a solar year with
// each 节 and 中气 turned into a lunar year and an absolute minute.
void BM_TermsOfAYear(benchmark::State& state) {
    int year = 1900;
    for (auto _ : state) {
        long long sum = 0;
        for (int j = 1; j <= 12; ++j) {
            const int k = 12 * (year - orvane::kTableFirstYear) + j;
            sum += orvane::absolute_minute(orvane::jie_moment(k)).value_or(0);
            sum += orvane::absolute_minute(orvane::qi_moment(k)).value_or(0);
        }
        benchmark::DoNotOptimize(sum);
        if (++year > 2020) year = 1900;
    }
}
BENCHMARK(BM_TermsOfAYear);

}  // namespace

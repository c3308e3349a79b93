// 流月运气: twelve rows of nine fields, or only the message for a minor.
#include "report/luck_of_months.h"

#include <string>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/derivations.h"
#include "engine/gregorian.h"
#include "engine/lunar_calendar.h"
#include "platform/clock.h"
#include "platform/decimal.h"
#include "report/luck_of_years.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "report/texts/year_judgements.h"
#include "report/votes.h"

namespace orvane {

namespace {

constexpr int kMessageField = field_block("luckOfMonths")[0];
constexpr FieldBlock kMonthRowFields = field_block("luckOfMonthRows");
constexpr int kVoteBase = 230000;
constexpr long long kAdultDays = 6205;  // about seventeen years; 18 by nominal age

long long seconds_of(int year, int month, int day, int hour, int minute, int second) {
    return static_cast<long long>(days_from_civil(year, month, day)) * 86400 + hour * 3600 + minute * 60 + second;
}

// The birth is weighed by its lunar date and the number of its hour branch, as
// though they were a civil date and time.
bool too_young(const platform::LocalTime& now) {
    const long long born = seconds_of(chart.lunarYear, base_month(chart.lunarMonthCode), chart.lunarDay,
                                     chart.hourBranchNo, chart.birthMinute, 0);
    const long long today = seconds_of(now.year, now.month, now.day, now.hour, now.minute, now.second);
    const long long seconds = today - born;
    const long long wholeDays = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    return wholeDays <= kAdultDays;
}

int start_day(int month) { return MonthStartTable[static_cast<std::size_t>(month)] % 100; }

}  // namespace

void write_luck_of_months_fields() {
    auto& f = ReportFieldTable;
    const platform::LocalTime now = platform::now_local();
    if (too_young(now)) {
        f[kMessageField] = "本断语不适合未成年(18岁)命格，不输出。";
        return;
    }
    const int Yc = now.year;
    const int Mc = now.month;
    const int F = cycle_ordinal(year_cycle_of(Yc));
    const int J = cycle_ordinal(first_month_pillar_of(F));  // the 寅 month of the current year
    for (int k = 0; k < 12; ++k) {
        const int R = kMonthRowFields.at(k, 0);
        const int offset = Mc - 3 + k;  // calendar month counted from January of Yc
        const int month = wrap1(offset, 12);
        const int shift = offset < 1 ? -1 : offset > 12 ? 1 : 0;
        const int rowYear = Yc + shift;
        // The year pillar changes at 立春, so January still has the year before.
        const int yearPillar = cycle_ordinal(F + shift - (month == 1 ? 1 : 0));
        const int monthPillar = cycle_ordinal(J + Mc + 55 + k);
        const int row = lookup_year_judgement(tenGod(chart.dayPillar, stem_of(yearPillar)),
                                              tenGod(chart.dayPillar, stem_of(monthPillar)));
        const bool past = rowYear < Yc || (rowYear == Yc && month <= Mc);
        const int vote = kVoteBase + row;
        const auto r = static_cast<std::size_t>(row);

        f[R] = platform::decimal(rowYear, 4);
        f[R + 1] = platform::decimal(month, 2);
        f[R + 2] = platform::decimal(start_day(month), 2);
        f[R + 3] = platform::decimal(rowYear + (month == 12 ? 1 : 0), 4);
        f[R + 4] = vote_text(vote) + (past ? vote_button(vote) : std::string());
        f[R + 5] = platform::decimal(start_day(month % 12 + 1), 2);
        f[R + 6] = str_LiuNianDuan_Text1[r];
        f[R + 7] = str_LiuNianDuan_Text2[r];
        f[R + 8] = str_LiuNianDuan_Text3[static_cast<std::size_t>(year_judgement_note_of(row))];
    }
}

}  // namespace orvane

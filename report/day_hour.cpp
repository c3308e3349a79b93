// 三命通会日时断: keys and texts of the 960 rows and the fields 4001 … 4010.
#include "report/day_hour.h"

#include <unordered_map>

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "report/texts/day_hour_commentaries.h"

namespace orvane {

constexpr FieldBlock kDayHourFields = field_block("dayHour");

namespace {

constexpr int kGeneralRows = 120;     // rows 1 … 120
constexpr int kSixDayRows = 240;      // rows 121 … 240

// The hour pillar (cycle ordinal 1 … 60) of branch b on a day with stem s.
int hour_pillar_ordinal(int dayStem, int hourBranch) { return cycle_ordinal(hour_pillar_of(hourBranch, dayStem)); }

std::string text(const char* s) { return s ? std::string(s) : std::string(); }

}  // namespace

std::string str_RiShiDuan_DateTime(int row) {
    if (row <= kGeneralRows || row > kDayHourRows) return {};
    if (row <= kSixDayRows) {
        const int i = row - kGeneralRows - 1;
        const int stem = i / 12 + 1, branch = i % 12 + 1;
        return std::string("六") + StemNames[static_cast<std::size_t>(stem)] + "日" +
               cycle_name(hour_pillar_ordinal(stem, branch)) + "时";
    }
    const int i = row - kSixDayRows - 1;
    const int day = i / 12 + 1, branch = i % 12 + 1;
    return cycle_name(cycle(day)) + "日" + cycle_name(hour_pillar_ordinal(stem_of(day), branch)) + "时";
}

std::string str_RiShiDuan_Shi(int row) {
    if (row < 1 || row > kDayHourRows) return {};
    if (row <= kGeneralRows) {
        const int i = row - 1;
        return text(day_hour_general_verse(i / 12 + 1, i % 12 + 1));
    }
    if (row <= kSixDayRows) {
        const int i = row - kGeneralRows - 1;
        return text(six_day_commentary(i / 12 + 1, i % 12 + 1));
    }
    const int i = row - kSixDayRows - 1;
    const int day = i / 12 + 1, branch = i % 12 + 1;
    return text(day <= 30 ? day_hour_commentary_first(day, branch) : day_hour_commentary_second(day, branch));
}

std::string lookup_day_hour_text(const std::string& key) {
    // The general rows carry no key, so an empty key must not land on row 1.
    if (key.empty()) return {};
    // Each key's first row, gathered once: the rows never change.
    static const std::unordered_map<std::string, int> rowOfKey = [] {
        std::unordered_map<std::string, int> rows;
        for (int row = 1; row <= kDayHourRows; ++row) rows.emplace(str_RiShiDuan_DateTime(row), row);
        return rows;
    }();
    const auto found = rowOfKey.find(key);
    return found == rowOfKey.end() ? std::string() : str_RiShiDuan_Shi(found->second);
}

void write_day_hour_fields() {
    auto& f = ReportFieldTable;
    const int s = stem_of(chart.dayPillar), b = branch_of(chart.hourPillar);
    const std::string day = cycle_name(chart.dayPillar), hour = cycle_name(chart.hourPillar);
    const std::string stem = StemNames[static_cast<std::size_t>(s)];
    f[kDayHourFields[0]] = day;
    f[kDayHourFields[1]] = hour;
    f[kDayHourFields[2]] = str_RiShiDuan_Shi(1 + 12 * (s - 1) + (b - 1));
    f[kDayHourFields[3]] = stem;
    f[kDayHourFields[4]] = hour;
    f[kDayHourFields[5]] = lookup_day_hour_text("六" + stem + "日" + hour + "时");
    f[kDayHourFields[6]] = day;
    f[kDayHourFields[7]] = hour;
    f[kDayHourFields[8]] = lookup_day_hour_text(day + "日" + hour + "时");
    f[kDayHourFields[9]] = text(day_hour_note(s, b));
}

}  // namespace orvane

// 六十甲子日柱特例: pillar name, its remarks and the readers' vote on them.
#include "report/day_pillar_notes.h"

#include "engine/chart_state.h"
#include "engine/cycle.h"
#include "engine/names.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "report/texts/day_pillar_notes_table.h"
#include "report/votes.h"

namespace orvane {

constexpr FieldBlock kDayPillarNoteFields = field_block("dayPillarNote");

int day_pillar_vote_number(int dayPillar) { return 260000 + cycle_ordinal(dayPillar); }

void write_day_pillar_fields() {
    auto& f = ReportFieldTable;
    f[kDayPillarNoteFields[0]] = cycle_name(chart.dayPillar);
    f[kDayPillarNoteFields[1]] = DayPillarNotes[static_cast<std::size_t>(cycle_ordinal(chart.dayPillar))];
    f[kDayPillarNoteFields[2]] = vote_text_and_button(day_pillar_vote_number(chart.dayPillar));
}

}  // namespace orvane

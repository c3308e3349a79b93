// 六十甲子日柱特例 — the remarks that belong to the chart's day pillar.
#pragma once

namespace orvane {

// Fields 4601 … 4603.
void write_day_pillar_fields();

// Vote number of the remarks on day pillar `dayPillar` (癸亥 stored as 0 is the 60th).
int day_pillar_vote_number(int dayPillar);

}  // namespace orvane

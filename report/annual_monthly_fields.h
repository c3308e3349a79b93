// 流年流月干支 — the pillar of each of the 80 years from the birth year and the
// pillars of its twelve solar months.
#pragma once

namespace orvane {

// Fields 2001 … 3594: row k in 2001 + 20k … + 13.
void write_annual_monthly_fields();

}  // namespace orvane

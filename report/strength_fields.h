// 日主强弱与用神 fields — the strength of the day master, its useful elements
// and the warmth of the chart, as report fields 701-712.
#pragma once

namespace orvane {

// Fields 701-712 from the scores of the chart record.
void write_strength_fields();

}  // namespace orvane

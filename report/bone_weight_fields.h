// 称命 — the bone weight of the chart in 两 and 钱, its parts and its verse.
#pragma once

namespace orvane {

// Fields 4401 … 4408.
void write_bone_weight_fields();

}  // namespace orvane

// The whole chart record as JSON, by the field names of the record.
#pragma once

#include <nlohmann/json.hpp>

#include "engine/chart_state.h"

namespace cli {

// The birth data group alone.
nlohmann::ordered_json birth_data_json(const orvane::BirthData& birth);

nlohmann::ordered_json chart_state_json(const orvane::ChartState& state);

}  // namespace cli

// The whole chart record as JSON, by the field names of the record.
#pragma once

#include <nlohmann/json.hpp>

#include "cli/json_writer.h"
#include "engine/chart_state.h"

namespace cli {

// The members of the birth data group, into an object the caller has opened.
void write_birth_data_members(JsonWriter& out, const orvane::BirthData& birth);

// The members of the whole chart record, into an object the caller has opened.
void write_chart_state_members(JsonWriter& out, const orvane::ChartState& state);

// The birth data group alone, as a tree for commands that add to it.
nlohmann::ordered_json birth_data_json(const orvane::BirthData& birth);

}  // namespace cli

// 性格总论 — short judgements of temperament from the chart's patterns, the
// day master and the nature of its stem.
#pragma once

#include <string>
#include <vector>

namespace orvane {

struct ChartState;

// The sentences whose tests hold, in the order they are shown (at most ten).
std::vector<std::string> temperament_sentences(const ChartState& state);

// 七杀 sentence of a sevenKillingsPattern code (1010 plus 100 plus 1).
std::string seven_killings_sentence(int code);

// Fields 4101 … 4113, 4121 and 4122.
void write_temperament_fields();

}  // namespace orvane

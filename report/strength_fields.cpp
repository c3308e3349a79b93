#include "report/strength_fields.h"

#include <cstdio>
#include <string>
#include <vector>

#include "engine/chart_state.h"
#include "engine/names.h"
#include "engine/strength.h"
#include "report/field_map.h"
#include "report/report_fields.h"

namespace orvane {

constexpr FieldBlock kStrengthFields = field_block("strength");
constexpr FieldBlock kWarmthFields = field_block("warmth");
namespace {

std::string formatted(const char* pattern, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += (text.empty() ? "" : "、") + name;
    return text;
}

}  // namespace

void write_strength_fields() {
    auto& f = ReportFieldTable;
    f[kStrengthFields[0]] = formatted("%.3f", chart.supportScore);
    f[kStrengthFields[1]] = formatted("%.3f", chart.opposeScore);
    const bool strong = chart.supportScore >= chart.opposeScore;
    f[kStrengthFields[2]] = strong ? "强" : "弱";
    std::vector<std::string> useful;
    for (int e : usefulElements(chart.dayStem, strong)) useful.emplace_back(ElementNames[static_cast<size_t>(e + 1)]);
    f[kStrengthFields[3]] = joined(useful);
    for (int e = 0; e < 5; ++e) f[static_cast<size_t>(705 + e)] = formatted("%.3f", chart.elementScore[static_cast<size_t>(e)]);
    f[kWarmthFields[0]] = formatted("%.1f", chart.warmth);
    f[kWarmthFields[1]] = joined(balancing_signs(chart.warmth));
}

}  // namespace orvane

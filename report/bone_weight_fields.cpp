#include "report/bone_weight_fields.h"

#include <string>

#include "engine/bone_weight.h"
#include "engine/chart_state.h"
#include "engine/numerals.h"
#include "report/report_fields.h"
#include "report/texts/cheng_ming.h"
#include "report/votes.h"

namespace orvane {

void write_bone_weight_fields() {
    auto& f = ReportFieldTable;
    const BoneWeightParts parts = boneWeightParts(chart.yearPillar, chart.lunarMonthCode, chart.lunarDay, chart.hourBranchNo);
    f[4401] = num2cc(chart.boneWeight / 10, 0);
    f[4402] = num2cc(chart.boneWeight % 10, 0);
    f[4403] = std::to_string(parts.year);
    f[4404] = std::to_string(parts.month);
    f[4405] = std::to_string(parts.day);
    f[4406] = std::to_string(parts.hour);
    const char* verse = cheng_ming_verse(chart.boneWeight);
    f[4407] = verse ? verse : "";
    f[4408] = vote_text_and_button(240000 + chart.boneWeight);
}

}  // namespace orvane

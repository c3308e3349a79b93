#include "report/bone_weight_fields.h"

#include <string>

#include "engine/bone_weight.h"
#include "engine/chart_state.h"
#include "engine/numerals.h"
#include "report/field_map.h"
#include "report/report_fields.h"
#include "report/texts/cheng_ming.h"
#include "report/votes.h"

namespace orvane {

constexpr FieldBlock kBoneWeightFields = field_block("boneWeight");

void write_bone_weight_fields() {
    auto& f = ReportFieldTable;
    const BoneWeightParts parts = bone_weight_parts(chart.yearPillar, chart.lunarMonthCode, chart.lunarDay, chart.hourBranchNo);
    f[kBoneWeightFields[0]] = num2cc(chart.boneWeight / 10, 0);
    f[kBoneWeightFields[1]] = num2cc(chart.boneWeight % 10, 0);
    f[kBoneWeightFields[2]] = std::to_string(parts.year);
    f[kBoneWeightFields[3]] = std::to_string(parts.month);
    f[kBoneWeightFields[4]] = std::to_string(parts.day);
    f[kBoneWeightFields[5]] = std::to_string(parts.hour);
    const char* verse = cheng_ming_verse(chart.boneWeight);
    f[kBoneWeightFields[6]] = verse ? verse : "";
    f[kBoneWeightFields[7]] = vote_text_and_button(240000 + chart.boneWeight);
}

}  // namespace orvane

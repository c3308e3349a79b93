// 六亲断 — the parents seen from the year stem's god, the marriage from the
// day branch's god, each weighed by the group of the month branch's god.
#pragma once

#include <array>

namespace orvane {

// [code][group]: code 0 比肩 … 9 伤官 (the year stem's god); group 1 比劫,
// 2 印, 3 官杀, 4 财, 5 食伤 of the month branch; [code][0] empty. GBK.
extern const std::array<std::array<const char*, 6>, 10> ParentsRelationTexts;

// [code][group]: code of the day branch's god; group as above; [code][0] empty.
extern const std::array<std::array<const char*, 6>, 10> SpouseRelationTexts;

}  // namespace orvane

// 小儿关煞 — the advice line of each childhood danger, by its slot.
#pragma once

#include <array>

namespace orvane {

inline constexpr int ChildhoodDangerSlotCount = 80;

// Name, "：", advice, "<br>" (GBK); nullptr for a slot that holds no danger.
extern const std::array<const char*, ChildhoodDangerSlotCount> ChildhoodDangerTexts;

// The whole field for a chart that carries no danger.
extern const char* const ChildhoodDangerNoneText;

}  // namespace orvane

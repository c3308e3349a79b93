// 性格总论 — the fixed sentences of the temperament judgements, one per pattern.
#pragma once

#include <array>

namespace orvane::temperament_texts {

// By hurtingOfficerFlag [1, 4]: none, clash, punishment, both; [0] unused.
extern const std::array<const char*, 5> HurtingOfficer;

// By polarityPattern: 11 man all yang, 22 woman all yin, 12 man all yin, 21 woman all yang.
extern const char* const AllYangMan;
extern const char* const AllYinWoman;
extern const char* const AllYinMan;
extern const char* const AllYangWoman;

extern const char* const ClashHarmonyBalance;
extern const char* const PunishClash;
extern const char* const HarmonyRich;
extern const char* const WonderOrPair;
extern const char* const JiaziJiawuDay;
extern const char* const MixedStars;
extern const char* const UniformPillars;

// The 七杀 sentence: its opening, the two optional middles and the two endings.
extern const char* const SevenKillingsOpening;
extern const char* const SevenKillingsMixed;
extern const char* const SevenKillingsEloquent;
extern const char* const SevenKillingsTense;
extern const char* const SevenKillingsGentle;

}  // namespace orvane::temperament_texts

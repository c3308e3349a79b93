// 称骨歌 — the verse for each bone weight, from 二两一钱 to 七两一钱.
#pragma once

#include <array>

namespace orvane {

// Totals in 钱; the four weights can add up to no less and no more.
inline constexpr int ChengMingLightest = 21;
inline constexpr int ChengMingHeaviest = 71;

// ChengMing[w - ChengMingLightest] is the verse of total w: four seven-character
// lines, GBK.
extern const std::array<const char*, ChengMingHeaviest - ChengMingLightest + 1> ChengMing;

// nullptr for a total outside 21 … 71.
const char* cheng_ming_verse(int boneWeight);

}  // namespace orvane

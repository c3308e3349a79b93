// 称骨歌 weights in 钱.
#include "engine/bone_weight.h"

namespace orvane {

const std::array<int, 60> YearWeight = {
    6,  12, 9,  6,  7,  12, 5,  9,  8,  7,  8,  15, 9,  16, 8,  8,  19, 12, 6,  8,
    7,  5,  15, 6,  16, 15, 7,  9,  12, 10, 7,  15, 6,  5,  14, 14, 9,  7,  7,  9,
    12, 8,  7,  13, 5,  14, 5,  9,  17, 5,  7,  12, 8,  8,  6,  19, 6,  8,  16, 10};

const std::array<int, 12> MonthWeight = {5, 6, 7, 18, 9, 5, 16, 9, 15, 18, 8, 9};

const std::array<int, 31> DayWeight = {0,  5,  10, 8,  15, 16, 15, 8, 16, 8,  16, 9,  17, 8,  17, 10,
                                       8,  9,  18, 5,  15, 10, 9,  8, 9,  15, 18, 7,  8,  16, 6};

const std::array<int, 13> HourWeight = {0, 16, 6, 7, 10, 9, 16, 10, 8, 8, 9, 6, 6};

}  // namespace orvane

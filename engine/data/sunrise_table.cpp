// 日出时辰表 — the sunrise branch (2 丑, 3 寅, 4 卯, 5 辰) by latitude band and month.
#include "engine/sunrise_table.h"

namespace orvane {
namespace {

using T = SunriseRule::Test;

constexpr SunriseRule at(int branch) { return {T::always, 0, 0, branch, branch}; }
constexpr SunriseRule at_least(int day, int then, int otherwise) { return {T::dayAtLeast, day, 0, then, otherwise}; }
constexpr SunriseRule at_most(int day, int then, int otherwise) { return {T::dayAtMost, day, 0, then, otherwise}; }
constexpr SunriseRule above(int day, int then, int otherwise) { return {T::dayAbove, day, 0, then, otherwise}; }
constexpr SunriseRule below(int day, int then, int otherwise) { return {T::dayBelow, day, 0, then, otherwise}; }
constexpr SunriseRule between(int from, int to, int then, int otherwise) {
    return {T::dayBetween, from, to, then, otherwise};
}

}  // namespace

const std::array<std::array<SunriseRule, 12>, kSunriseBands> SunriseTable = {{
    // below 30
    {at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4)},
    // 30 to below 35
    {at(4), at(4), at(4), at(4), at(4), at_most(22, 3, 4), at(4), at(4), at(4), at(4), at(4), at(4)},
    // 35 to below 40
    {at(5), at_least(2, 4, 5), at(4), at(4), above(11, 3, 4), at(3), below(20, 3, 4), at(4), at(4), at(4), at(4),
     at_most(13, 4, 5)},
    // 40 to below 45
    {at(5), at_least(11, 4, 5), at(4), at(4), above(2, 3, 4), at(3), at(3), below(4, 3, 4), at(4), at(4),
     at_most(28, 4, 5), at(5)},
    // 45 to below 50
    {at(5), at_least(18, 4, 5), at(4), at_least(25, 3, 4), at(3), at(3), at(3), below(15, 3, 4), at(4), at(4),
     at_most(17, 4, 5), at(5)},
    // 50 to below 52
    {at(5), at_least(23, 4, 5), at(4), at_least(20, 3, 4), at(3), at(3), at(3), below(23, 3, 4), at(4), at(4),
     at_most(7, 4, 5), at(5)},
    // 52 to below 54
    {at(5), at_least(24, 4, 5), at(4), at_least(18, 3, 4), at(3), at(3), at(3), below(26, 3, 4), at(4), at(4),
     at_most(4, 4, 5), at(5)},
    // 54 to below 56
    {at(5), at_least(26, 4, 5), at(4), at_least(17, 3, 4), at(3), at(3), at(3), below(29, 3, 4), at(4), at(4),
     below(2, 4, 5), at(5)},
    // 56 to below 58
    {at(5), at_most(28, 5, 4), at(4), at_least(12, 3, 4), at(3), at(3), at(3), below(31, 3, 4), at(4),
     above(29, 5, 4), at(5), at(5)},
    // 58 to below 60
    {at(5), at_most(27, 5, 4), at(4), at_least(11, 3, 4), at(3), between(10, 29, 2, 3), at(3), at(3), above(2, 4, 3),
     below(27, 4, 5), at(5), at(5)},
    // 60 and above
    {at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4), at(4)},
}};

}  // namespace orvane

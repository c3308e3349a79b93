#include "engine/birth_range.h"

namespace orvane {

std::string birthYearRangeMessage() {
    return "年份应在" + std::to_string(kFirstBirthYear) + "-" + std::to_string(kLastBirthYear);
}

}  // namespace orvane

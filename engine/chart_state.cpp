#include "engine/chart_state.h"

#include "engine/options.h"

namespace orvane {

ChartState chart;
Options options;

void clear_derived_fields(ChartState& state) {
    BirthData birth = std::move(static_cast<BirthData&>(state));
    state = ChartState{};
    static_cast<BirthData&>(state) = std::move(birth);
}

}  // namespace orvane

// 命盘代码 — the chart code: the installation identifier, the birth and the
// four pillars in one string.
#pragma once

#include <string>

namespace orvane {

// The identifier of this installation: the first characters (at most 7) of
// the line in install.id of the program folder; "0000000" when there is none.
std::string installation_identifier();

// The chart code of the chart record.
std::string make_chart_code();

}  // namespace orvane

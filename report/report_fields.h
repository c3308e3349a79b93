// 命状字段 — the numbered HTML fragments that the producers write and the
// template places as [NNNN].
#pragma once

#include <array>
#include <string>

namespace orvane {

inline constexpr int kReportFieldCount = 5702;  // fields 0 … 5701
extern std::array<std::string, kReportFieldCount> ReportFieldTable;

// Empties fields first … last (inclusive).
void clear_report_fields(int first, int last);

}  // namespace orvane

#include "report/report_fields.h"

namespace orvane {

std::array<std::string, kReportFieldCount> ReportFieldTable;

void clear_report_fields(int first, int last) {
    for (int n = first; n <= last; ++n) ReportFieldTable[static_cast<size_t>(n)].clear();
}

}  // namespace orvane

// The report field map against what the producers really write.
#include "report/field_map.h"

#include <gtest/gtest.h>

#include <set>

#include "app/build_chart.h"
#include "engine/chart_state.h"
#include "platform/clock.h"
#include "report/report_fields.h"
#include "support/birth.h"
#include "support/temp_dir.h"

using namespace orvane;

TEST(ReportFieldMap, BlocksAreInFieldOrderAndDoNotOverlap) {
    int previousLast = 0;
    for (const FieldBlock& block : ReportFieldMap) {
        SCOPED_TRACE(std::string(block.name));
        EXPECT_GT(block.first, previousLast);
        if (block.rows > 1) {
            EXPECT_GE(block.stride, block.width);  // a row ends before the next begins
        }
        EXPECT_LT(block.last(), kReportFieldCount);
        previousLast = block.last();
    }
    EXPECT_EQ(field_block("luckPeriods").at(7, 22), 432 + 210);
}

// Every stage of the chart command over births that reach the conditional fields (a name, a
// place, an adult and a child, a 23:00 birth): no producer writes a field the map lacks, so no
// style can leave one unplaced.
TEST(ReportFieldMap, HoldsEveryFieldTheProducersWrite) {
    testsupport::TempProgramDir dir;
    platform::set_clock_override({2026, 12, 7, 12, 0, 0});
    const std::vector<int> mapped = mapped_fields();
    const std::set<int> inMap(mapped.begin(), mapped.end());
    std::set<int> written;
    const testsupport::Birth births[] = {
        {1984, 2, 4, 5, 6},
        {2019, 8, 1, 23, 40, false, false, false, "广东", "广州"},
        {1950, 12, 30, 0, 10, true, false, false, "新疆", "喀什"},
        {1966, 6, 6, 12, 0, true, true, false},
    };
    for (const auto& birth : births) {
        testsupport::set_options(birth.province.empty() ? "0100" : "1010");
        ASSERT_TRUE(testsupport::store(birth));
        chart.personName = "甲乙";
        for (const ChartStage& stage : ChartStages)
            if (stage.run) stage.run();
        for (int n = 0; n < kReportFieldCount; ++n)
            if (!ReportFieldTable[static_cast<std::size_t>(n)].empty()) written.insert(n);
    }
    platform::clear_clock_override();
    for (int n : written) EXPECT_TRUE(inMap.count(n)) << "field " << n << " is written but not in the map";
    // And the map holds nothing that no chart fills: most of it is filled by these four.
    EXPECT_GT(written.size(), mapped.size() * 9 / 10);
}

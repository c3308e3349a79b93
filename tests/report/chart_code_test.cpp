#include "engine/chart_code.h"

#include <gtest/gtest.h>

#include "engine/chart_state.h"
#include "report/chart_page.h"
#include "report/report_fields.h"
#include "support/birth.h"
#include "support/temp_dir.h"

using namespace orvane;

TEST(ChartCode, IdentifierThenBirthSexAndPillars) {
    testsupport::TempProgramDir dir;
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::cast({1984, 2, 4, 5, 6}));  // 癸亥 0, 乙丑 2, 戊辰 5, 乙卯 52
    EXPECT_EQ(chart.chartCode, "0000000" "1984" "02" "04" "05" "06" "1" "00" "02" "05" "52");
    write_chart_page_fields();
    EXPECT_EQ(ReportFieldTable[1], chart.chartCode);  // the chart page writes the code it has emptied
}

TEST(ChartCode, InstallationIdentifierFromItsFile) {
    testsupport::TempProgramDir dir;
    EXPECT_EQ(installation_identifier(), "0000000");
    testsupport::TempProgramDir other;
    other.write("install.id", "K7x2Q9zLONGER\r\n");
    EXPECT_EQ(installation_identifier(), "K7x2Q9z");  // at most seven characters
    testsupport::TempProgramDir third;
    third.write("install.id", "ab-c");
    EXPECT_EQ(installation_identifier(), "ab");  // up to the first character that is not a letter or digit
}

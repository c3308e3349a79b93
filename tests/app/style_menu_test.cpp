#include "app/style_menu.h"

#include <gtest/gtest.h>

#include "app/build_chart.h"
#include "platform/message.h"
#include "report/report_fields.h"
#include "report/style_folder.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

std::string crlf_lines(int count) {
    std::string bytes;
    for (int i = 1; i <= count; ++i) bytes += "格式" + std::to_string(i) + "\r\n";
    return bytes;
}

}  // namespace

TEST(StyleNames, CrLfLinesGiveTheirNamesWithoutTheLineFeed) {
    const auto names = split_style_names("经典版\r\n简洁版\r\n");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].item, 0);
    EXPECT_GBK_EQ("经典版", names[0].name);
    EXPECT_EQ(names[1].item, 1);
    EXPECT_GBK_EQ("简洁版", names[1].name);
}

TEST(StyleNames, LastLineNeedsACrAndAByteAfterIt) {
    EXPECT_EQ(split_style_names("a\rb\rc").size(), 2u);   // c has no CR
    EXPECT_EQ(split_style_names("a\rb\r").size(), 1u);    // CR is the last byte
    EXPECT_EQ(split_style_names("a\rb\r\n").size(), 2u);
    EXPECT_TRUE(split_style_names("").empty());
    EXPECT_TRUE(split_style_names("\r").empty());
}

TEST(StyleNames, EmptyLinesGiveNoItemAndTheRestKeepTheirNumbers) {
    // Blank lines, a line of spaces, and CR CR LF endings as some editors write them.
    const auto names = split_style_names("a\r\n\r\n  \r\nd\r\r\ne \r\n");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0].item, 0);
    EXPECT_EQ(names[1].item, 3);
    EXPECT_EQ(names[1].name, "d");
    EXPECT_EQ(names[2].item, 5);
    EXPECT_EQ(names[2].name, "e");
    EXPECT_TRUE(split_style_names("\r\n\r\n\r\n").empty());
}

TEST(StyleNames, NamesThatAreNotGbkTextAreSkipped) {
    const std::string utf8Name = reinterpret_cast<const char*>(u8"典雅标准版");  // 15 bytes, no GBK reading
    const auto names = split_style_names("经典版\r\n" + utf8Name + "\r\n\xFF\xFE\r\nx\ty\r\n简洁版\r\n");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_GBK_EQ("经典版", names[0].name);
    EXPECT_EQ(names[1].item, 4);
    EXPECT_GBK_EQ("简洁版", names[1].name);
}

TEST(StyleNames, AFileWithTheUtf8MarkIsReadAsUtf8) {
    const std::string mark = "\xEF\xBB\xBF";
    const std::string bytes = mark + reinterpret_cast<const char*>(u8"经典版\r\n简洁版\r\n");
    const auto names = split_style_names(bytes);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_GBK_EQ("经典版", names[0].name);
    EXPECT_GBK_EQ("简洁版", names[1].name);
}

TEST(StyleNames, OnlyTheFirstTwentyLinesCount) {
    const auto names = split_style_names(crlf_lines(25));
    ASSERT_EQ(names.size(), 20u);
    EXPECT_GBK_EQ("格式1", names.front().name);
    EXPECT_GBK_EQ("格式20", names.back().name);
    EXPECT_EQ(names.back().item, 19);
    // A skipped line still counts among the twenty.
    const auto skipped = split_style_names("\r\n" + crlf_lines(25));
    ASSERT_EQ(skipped.size(), 19u);
    EXPECT_GBK_EQ("格式19", skipped.back().name);
    EXPECT_EQ(skipped.back().item, 19);
}

TEST(StyleNames, NumbersAreTwoDigits) {
    EXPECT_EQ(style_number(0), "01");
    EXPECT_EQ(style_number(4), "05");
    EXPECT_EQ(style_number(19), "20");
}

TEST(StyleIni, MissingOrTooLongFileIsReportedAndGivesNoMenu) {
    testsupport::TempProgramDir dir;
    platform::MessageRecorder recorder;
    EXPECT_FALSE(read_style_names());
    dir.write("style/style.ini", std::string(6401, 'a'));
    EXPECT_FALSE(read_style_names());
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0], "style.ini can't open");
    EXPECT_EQ(recorder.messages[1], "style.ini > 6400 Byte");

    dir.write("style/style.ini", std::string(6398, 'a') + "\r\n");  // at the limit: read
    const auto names = read_style_names();
    ASSERT_TRUE(names);
    ASSERT_EQ(names->size(), 1u);
    EXPECT_EQ((*names)[0].name.size(), 6398u);
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST(StyleSwitch, CheckedItemFollowsTheCurrentFolder) {
    testsupport::TempProgramDir dir;
    current_style_folder().clear();
    EXPECT_EQ(checked_style_command(), 32804);
    current_style_folder() = style_folder_of("01");
    EXPECT_EQ(checked_style_command(), 32803);
    current_style_folder() = style_folder_of("07");
    EXPECT_EQ(checked_style_command(), 32804);
    current_style_folder().clear();
}

TEST(StyleSwitch, AnotherStyleReexpandsTheSameFieldsIntoItsFolder) {
    testsupport::TempProgramDir dir;
    platform::MessageRecorder recorder;
    dir.write("style/01/normal.htm", "<b>[4401]</b>");
    dir.write("style/02/normal.htm", "<i>[4401]</i>");
    ReportFieldTable[4401] = "七两一钱";
    current_style_folder() = style_folder_of("02");

    EXPECT_EQ(apply_style("02"), StyleSwitch::unchanged);
    EXPECT_FALSE(std::filesystem::exists(dir.file("style/02/right.htm")));

    EXPECT_EQ(apply_style("01"), StyleSwitch::written);
    EXPECT_EQ(current_style_folder(), dir.file("style/01"));
    EXPECT_GBK_EQ("<b>七两一钱</b>", dir.read("style/01/right.htm"));
    EXPECT_EQ(checked_style_command(), 32803);
    EXPECT_TRUE(recorder.messages.empty());

    EXPECT_EQ(apply_style("03"), StyleSwitch::not_written);  // no template there
    EXPECT_EQ(current_style_folder(), dir.file("style/03"));
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("style/03/right.htm")));
    ReportFieldTable[4401].clear();
    current_style_folder().clear();
}

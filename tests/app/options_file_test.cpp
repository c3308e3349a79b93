#include "app/options_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/message.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

TEST(OptionsFile, ReadsTheFourFlagBytes) {
    testsupport::TempProgramDir dir;
    dir.write("option.dat", "10\r\n0\r\n1\r\n");
    options = Options{};
    read_options();
    EXPECT_EQ(options.optMidnightDayBoundary, 1);
    EXPECT_EQ(options.optLateZiNextStem, 0);
    EXPECT_EQ(options.optTrueSolarTime, 0);
    EXPECT_EQ(options.optSaveHistory, 1);
}

TEST(OptionsFile, BadFilesKeepTheFlags) {
    testsupport::TempProgramDir dir;
    platform::MessageRecorder recorder;
    options = {0, 1, 0, 1};
    read_options();  // missing
    dir.write("option.dat", std::string(1025, '1'));
    read_options();  // too long
    EXPECT_EQ(options.optMidnightDayBoundary, 0);
    EXPECT_EQ(options.optLateZiNextStem, 1);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_GBK_EQ("option.dat文件不能打开", recorder.messages[0]);
    EXPECT_GBK_EQ("option.dat > 1024 byte", recorder.messages[1]);

    dir.write("option.dat", std::string(1024, '1'));  // at the limit: read
    read_options();
    EXPECT_EQ(options.optMidnightDayBoundary, 1);
    dir.write("option.dat", "");  // empty: every flag off
    read_options();
    EXPECT_EQ(options.optMidnightDayBoundary, 0);
    EXPECT_EQ(options.optSaveHistory, 0);
    dir.write("option.dat", "\xff\x00yes");  // other bytes read as off
    read_options();
    EXPECT_EQ(options.optTrueSolarTime, 0);
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST(OptionsDialog, LoadsWithoutTouchingTheProcessFlags) {
    testsupport::TempProgramDir dir;
    dir.write("option.dat", "01\r\n1\r\n0\r\n");
    options = {1, 1, 1, 1};
    OptionsDialogState state = load_options_dialog();
    EXPECT_EQ(state.dayBoundaryIndex, 1);
    EXPECT_EQ(state.lateZiStemIndex, 0);
    EXPECT_EQ(state.trueSolarTimeIndex, 0);
    EXPECT_FALSE(state.saveHistory);
    EXPECT_FALSE(state.lateZiGroupEnabled());
    EXPECT_EQ(options.optMidnightDayBoundary, 1);
}

TEST(OptionsDialog, UnreadableFileOpensWithNothingChosen) {
    testsupport::TempProgramDir dir;
    platform::MessageRecorder recorder;
    OptionsDialogState state = load_options_dialog();
    EXPECT_EQ(state.dayBoundaryIndex, -1);
    EXPECT_EQ(state.trueSolarTimeIndex, -1);
    EXPECT_FALSE(state.saveHistory);
    EXPECT_EQ(recorder.messages.size(), 1u);
}

TEST(OptionsDialog, OkWritesTenBytesAndKeepsTheGreyedChoice) {
    testsupport::TempProgramDir dir;
    OptionsDialogState state;
    state.dayBoundaryIndex = 1;  // the day changes at 23:00: the late 子 group is greyed
    state.lateZiStemIndex = 0;   // ... but its choice is still written
    state.trueSolarTimeIndex = 1;
    state.saveHistory = true;
    ASSERT_TRUE(save_options_dialog(state));
    EXPECT_EQ(dir.read("option.dat"), "01\r\n0\r\n1\r\n");
    EXPECT_EQ(options_from_bytes(options_to_bytes({1, 0, 1, 0})).optLateZiNextStem, 0);
}

TEST(OptionsDialog, FailedWriteLeavesNoFileBehind) {
    testsupport::TempProgramDir dir;
    platform::MessageRecorder recorder;
    // A folder where the file should be: the rename over it fails even for root.
    std::filesystem::create_directory(dir.path() / "option.dat");
    OptionsDialogState state{1, 1, 1, false};
    EXPECT_FALSE(save_options_dialog(state));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "option.dat"));
    int entries = 0;
    for (auto& entry : std::filesystem::directory_iterator(dir.path())) entries += entry.path().empty() ? 0 : 1;
    EXPECT_EQ(entries, 1);  // no temporary file left
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("option.dat文件不能打开", recorder.messages[0]);
}

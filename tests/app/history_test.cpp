#include "app/build_chart.h"
#include "app/history.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "engine/city_table.h"
#include "app/history_record.h"
#include "engine/chart_state.h"
#include "engine/compute_chart.h"
#include "engine/options.h"
#include "platform/clock.h"
#include "platform/message.h"
#include "platform/program_dir.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;
using testsupport::Birth;

namespace {

constexpr const char* kCastTime = "2024-05-06 07:08:09\r\n\r\n";

class History : public ::testing::Test {
protected:
    void SetUp() override {
        platform::set_clock_override({2024, 5, 6, 7, 8, 9});
        dir.write("option.dat", "11\r\n1\r\n1\r\n");
    }
    void TearDown() override { platform::clear_clock_override(); }

    // Stores a birth as the birth data dialog does and appends it.
    void append(const Birth& birth, const std::string& name = "") {
        ASSERT_TRUE(testsupport::store(birth, 2024));
        chart.personName = name;
        append_history();
    }

    std::string log() const { return dir.read("log.dat"); }
    bool logExists() const { return std::filesystem::exists(dir.file("log.dat")); }

    HistoryDialogState opened() {
        HistoryDialogState dialog;
        dialog.open();
        return dialog;
    }

    testsupport::TempProgramDir dir;
    platform::MessageRecorder recorder;
};

std::string record(const char* number, const std::string& line) {
    return std::string("[") + number + "]\r\n" + line + "\r\n" + kCastTime;
}

}  // namespace

// --- the bytes of a record ---------------------------------------------------

TEST_F(History, SolarRecordWithoutPlaceEndsWithTheSexWordAndTwoCommas) {
    append({1985, 3, 4, 12, 30});
    EXPECT_GBK_EQ(record("001", ",公历1985-03-04 12:30,男,,"), log());
    append({1985, 3, 4, 12, 30, false, false, false, "广东", "广州"}, "张三");
    EXPECT_GBK_EQ(record("001", ",公历1985-03-04 12:30,男,,") + record("002", "张三,公历1985-03-04 12:30,女,广东,广州"),
                  log());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(History, LunarRecordKeepsTheEnteredDateAndClock) {
    append({1987, 6, 3, 0, 5, true, true, true});  // the leap 6th month of 1987
    EXPECT_GBK_EQ(record("001", ",农历1987-26-03 00:05,男,,"), log());
}

TEST_F(History, LunarLeapMonthRecastsWithTheLeapFlag) {
    append({1987, 6, 3, 0, 5, true, true, true});
    const BirthData stored = chart;
    chart = ChartState{};
    HistoryDialogState dialog = opened();
    ASSERT_EQ(dialog.lines.size(), 1u);
    dialog.selection = 0;
    ASSERT_TRUE(dialog.recast());
    EXPECT_EQ(chart.solarInput, 0);
    EXPECT_EQ(chart.leapMonth, 1);
    EXPECT_EQ(chart.lunarYear, 1987);
    EXPECT_EQ(chart.lunarMonthCode, 26);
    EXPECT_EQ(chart.lunarDay, 3);
    EXPECT_EQ(chart.solarYear, stored.solarYear);
    EXPECT_EQ(chart.solarMonth, stored.solarMonth);
    EXPECT_EQ(chart.solarDay, stored.solarDay);
    EXPECT_EQ(chart.birthMinute, 5);
    EXPECT_EQ(chart.hourBranchNo, 1);
    EXPECT_EQ(chart.currentLunarYear, 2024);
    EXPECT_EQ(chart.nominalAge, 2024 - 1987 + 1);
    EXPECT_TRUE(recorder.questions.empty());
}

TEST_F(History, RecordNumbersCountTheBracketsSoADeletedNumberComesBack) {
    append({1985, 3, 4, 12, 30}, "甲");
    append({1986, 3, 4, 12, 30}, "乙");
    append({1987, 3, 4, 12, 30}, "丙");
    HistoryDialogState dialog = opened();
    ASSERT_EQ(dialog.lines.size(), 3u);
    dialog.selection = 1;
    recorder.answer_next(true);
    ASSERT_TRUE(dialog.remove());
    ASSERT_EQ(recorder.questions.size(), 1u);
    EXPECT_GBK_EQ("确认删除该记录？", recorder.questions[0]);
    EXPECT_EQ(dialog.lines.size(), 2u);
    EXPECT_EQ(dialog.selection, -1);

    append({1988, 3, 4, 12, 30}, "丁");
    EXPECT_GBK_EQ(record("001", "甲,公历1985-03-04 12:30,男,,") + record("003", "丙,公历1987-03-04 12:30,男,,") +
                      record("003", "丁,公历1988-03-04 12:30,男,,"),
                  log());
}

TEST_F(History, DeletingTheLastRecordKeepsTheEmptyLineBeforeIt) {
    append({1985, 3, 4, 12, 30}, "甲");
    append({1986, 3, 4, 12, 30}, "乙");
    HistoryDialogState dialog = opened();
    dialog.selection = 1;
    recorder.answer_next(true);
    ASSERT_TRUE(dialog.remove());
    EXPECT_GBK_EQ(record("001", "甲,公历1985-03-04 12:30,男,,"), log());
}

TEST_F(History, DeletingTheOnlyRecordLeavesAnEmptyFile) {
    append({1985, 3, 4, 12, 30}, "甲");
    HistoryDialogState dialog = opened();
    dialog.selection = 0;
    recorder.answer_next(true);
    ASSERT_TRUE(dialog.remove());
    EXPECT_TRUE(logExists());
    EXPECT_EQ(log(), "");
    EXPECT_TRUE(dialog.lines.empty());
    // No temporary file is left beside it: option.dat, log.dat and its lock file.
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) files.insert(entry.path().filename());
    EXPECT_EQ(files, (std::set<std::string>{"log.dat", "log.dat.lock", "option.dat"}));
}

TEST_F(History, AnsweringNoOrSelectingNothingDeletesNothing) {
    append({1985, 3, 4, 12, 30}, "甲");
    const std::string before = log();
    HistoryDialogState dialog = opened();
    EXPECT_FALSE(dialog.remove());
    EXPECT_FALSE(dialog.recast());
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_GBK_EQ("请选择一条记录", recorder.messages[0]);
    EXPECT_GBK_EQ("请选择一条记录", recorder.messages[1]);
    dialog.selection = 0;
    recorder.answer_next(false);
    EXPECT_FALSE(dialog.remove());
    EXPECT_EQ(log(), before);
    EXPECT_EQ(dialog.lines.size(), 1u);
}

// --- the list ------------------------------------------------------------------

TEST_F(History, ListShowsLineTwoOfEveryRecordOldestFirst) {
    dir.write("log.dat", record("001", "甲,公历1985-03-04 12:30,男,,") + record("002", "乙,农历1990-05-06 07:08,女,北京,北京"));
    HistoryDialogState dialog = opened();
    ASSERT_EQ(dialog.lines.size(), 2u);
    EXPECT_GBK_EQ("甲,公历1985-03-04 12:30,男,,", dialog.lines[0]);
    EXPECT_GBK_EQ("乙,农历1990-05-06 07:08,女,北京,北京", dialog.lines[1]);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(History, MissingFileIsCreatedEmptyByTheListAndByTheAppend) {
    HistoryDialogState dialog = opened();
    EXPECT_TRUE(dialog.lines.empty());
    EXPECT_TRUE(logExists());
    EXPECT_EQ(log(), "");
    std::filesystem::remove(dir.file("log.dat"));
    append({1985, 3, 4, 12, 30});
    EXPECT_GBK_EQ(record("001", ",公历1985-03-04 12:30,男,,"), log());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(History, UnopenableFileGivesTheMessageAndAnEmptyList) {
    std::filesystem::create_directory(dir.file("log.dat"));  // a folder in the file's place
    HistoryDialogState dialog = opened();
    EXPECT_TRUE(dialog.lines.empty());
    append({1985, 3, 4, 12, 30});
    dialog.lines = {",公历1985-03-04 12:30,男,,"};
    dialog.selection = 0;
    recorder.answer_next(true);
    EXPECT_FALSE(dialog.remove());
    ASSERT_EQ(recorder.messages.size(), 3u);
    for (const auto& m : recorder.messages) EXPECT_GBK_EQ("log.dat can't open", m);
}

TEST_F(History, ListOfALongFileShowsTheWholeLinesOfItsFirst100000Bytes) {
    const std::string one = record("001", "甲,公历1985-03-04 12:30,男,,");
    const std::size_t whole = (kHistoryListLimit - 100) / one.size();
    std::string content;
    for (std::size_t i = 0; i < whole; ++i) content += one;
    // This record's line 2 runs across the limit.
    content += record("999", "乙" + std::string(300, 'a') + ",公历1985-03-04 12:30,男,,");
    ASSERT_LT(content.size() - 300, kHistoryListLimit);
    for (int i = 0; i < 10; ++i) content += one;
    dir.write("log.dat", content);
    HistoryDialogState dialog = opened();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("log.dat > 100K", recorder.messages[0]);
    EXPECT_EQ(dialog.lines.size(), whole);
    for (const auto& line : dialog.lines) EXPECT_GBK_EQ("甲,公历1985-03-04 12:30,男,,", line);

    content.resize(kHistoryListLimit);  // exactly at the limit: no message, the cut line is listed
    dir.write("log.dat", content);
    dialog = opened();
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(dialog.lines.size(), whole + 1);
}

// --- the limits ------------------------------------------------------------------

TEST_F(History, AppendStopsAt640000Bytes) {
    dir.write("log.dat", std::string(kHistoryAppendLimit, 'x'));
    append({1985, 3, 4, 12, 30});
    EXPECT_EQ(log().size(), kHistoryAppendLimit);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ(kHistoryAppendTooLong, recorder.messages[0]);

    dir.write("log.dat", std::string(kHistoryAppendLimit - 3, 'x') + "\r\n");
    append({1985, 3, 4, 12, 30});
    EXPECT_EQ(log().size(), kHistoryAppendLimit - 1 + record("001", ",公历1985-03-04 12:30,男,,").size());
    EXPECT_EQ(recorder.messages.size(), 1u);
}

TEST_F(History, DeletionRefusesAFileOf1024001Bytes) {
    const std::string first = record("001", "甲,公历1985-03-04 12:30,男,,");
    std::string content = first + std::string(kHistoryDeleteLimit - first.size(), ' ');
    dir.write("log.dat", content);
    HistoryDialogState dialog;
    dialog.lines = {"甲,公历1985-03-04 12:30,男,,"};
    dialog.keys = {{first, 0, true}};  // as listed from the first 100000 bytes
    dialog.selection = 0;
    recorder.answer_next(true);
    EXPECT_FALSE(dialog.remove());
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("log.dat > 1024K", recorder.messages[0]);
    EXPECT_EQ(log(), content);

    content.pop_back();  // 1024000 bytes: deleted
    dir.write("log.dat", content);
    recorder.answer_next(true);
    EXPECT_TRUE(dialog.remove());
    EXPECT_EQ(log(), "");
}

// --- re-casting ------------------------------------------------------------------

TEST_F(History, RecordWithoutPlaceRecastsWithoutTrueSolarTimeEvenWhenTheOptionIsOn) {
    dir.write("log.dat", record("001", "甲,公历1985-03-04 12:30,男,,"));
    HistoryDialogState dialog = opened();
    dialog.selection = 0;
    ASSERT_TRUE(dialog.recast());
    EXPECT_EQ(options.optTrueSolarTime, 0);
    EXPECT_EQ(options.optSaveHistory, 1);  // the other switches come from option.dat
    EXPECT_GBK_EQ("甲", chart.personName);
    EXPECT_EQ(chart.solarInput, 1);
    EXPECT_EQ(chart.sexFlag, 1);
    EXPECT_EQ(chart.lunarYear, 1985);
    EXPECT_EQ(chart.lunarMonthCode, 1);
    EXPECT_EQ(chart.lunarDay, 13);
    EXPECT_EQ(chart.leapMonth, 0);
    EXPECT_EQ(chart.hourBranchNo, 7);
    EXPECT_EQ(dir.read("option.dat"), "11\r\n1\r\n1\r\n");
}

TEST_F(History, RecordWithPlaceRecastsWithTrueSolarTimeEvenWhenTheOptionIsOff) {
    dir.write("option.dat", "11\r\n0\r\n0\r\n");
    dir.write("log.dat", record("001", "乙,农历1990-05-06 07:08,女,广东,广州"));
    HistoryDialogState dialog = opened();
    dialog.selection = 0;
    ASSERT_TRUE(dialog.recast());
    EXPECT_EQ(options.optTrueSolarTime, 1);
    EXPECT_EQ(options.optSaveHistory, 0);
    EXPECT_GBK_EQ("广东", chart.birthProvince);
    EXPECT_GBK_EQ("广州", chart.birthCity);
    EXPECT_EQ(chart.sexFlag, 0);
    EXPECT_EQ(chart.solarInput, 0);
    EXPECT_EQ(chart.solarYear, 1990);
    EXPECT_EQ(chart.solarMonth, 5);
    EXPECT_EQ(chart.solarDay, 29);
    compute_chart();
    EXPECT_NE(chart.longitudeCorrectionSec, 0);  // 广州 lies west of 120° E
    EXPECT_EQ(log(), record("001", "乙,农历1990-05-06 07:08,女,广东,广州"));  // history off: nothing appended
}

// A place outside the table keeps its zone and coordinates after the city, so
// that the records of old (the city runs to the line end) read as before.
TEST_F(History, PlaceAbroadIsStoredAndRecastWithItsZoneAndCoordinates) {
    dir.write("option.dat", "11\r\n0\r\n1\r\n");
    ASSERT_TRUE(testsupport::store({1990, 7, 1, 13, 30}, 2024));
    chart.personName = "丙";
    chart.birthZone = "America/New_York";
    chart.enteredLongitude = -74.0f;
    chart.enteredLatitude = 40.7f;
    append_history();
    const std::string line = "丙,公历1990-07-01 13:30,男,,,America/New_York,-74.0000,40.7000";
    EXPECT_EQ(log(), record("001", line));

    chart = ChartState{};
    HistoryDialogState dialog = opened();
    ASSERT_EQ(dialog.lines.size(), 1u);
    dialog.selection = 0;
    ASSERT_TRUE(dialog.recast());
    EXPECT_EQ(options.optTrueSolarTime, 1);  // on for a place, whatever option.dat says
    EXPECT_EQ(chart.birthZone, "America/New_York");
    EXPECT_FLOAT_EQ(chart.enteredLongitude, -74.0f);
    EXPECT_FLOAT_EQ(chart.enteredLatitude, 40.7f);
    EXPECT_TRUE(chart.birthProvince.empty() && chart.birthCity.empty());
    compute_chart();
    EXPECT_EQ(chart.hourBranch, 7);  // 午, as cast the first time
}

TEST_F(History, RecordWithABadZoneOrCoordinatesIsRefusedWithAMessage) {
    dir.write("log.dat", record("001", "甲,公历1990-07-01 13:30,男,,,America/Gotham,-74.0000,40.7000") +
                             record("002", "乙,公历1990-07-01 13:30,男,,,America/New_York,-274.0,40.7") +
                             record("003", "丙,公历1990-07-01 13:30,男,,,America/New_York,x,40.7"));
    HistoryDialogState dialog = opened();
    ASSERT_EQ(dialog.lines.size(), 3u);
    for (int n = 0; n < 3; ++n) {
        dialog.selection = n;
        EXPECT_FALSE(dialog.recast());
    }
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_GBK_EQ("时区不存在：America/Gotham", recorder.messages[0]);
    EXPECT_GBK_EQ("经度应在-180至180之间", recorder.messages[1]);
    EXPECT_GBK_EQ("经度应在-180至180之间", recorder.messages[2]);
}

TEST_F(History, InvalidDateInARecordShowsTheDateMessageAndKeepsTheChart) {
    ASSERT_TRUE(testsupport::store({2000, 1, 1, 12, 0}, 2024));
    dir.write("log.dat", record("001", "甲,公历1985-02-29 12:30,男,,") + record("002", "乙,公历1985-03-04 24:00,男,,"));
    HistoryDialogState dialog = opened();
    dialog.selection = 0;
    EXPECT_FALSE(dialog.recast());
    dialog.selection = 1;
    EXPECT_FALSE(dialog.recast());
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_GBK_EQ("2月份日期错误，应为1至28", recorder.messages[0]);
    EXPECT_GBK_EQ("小时应在0-23", recorder.messages[1]);
    EXPECT_EQ(chart.solarYear, 2000);
    EXPECT_EQ(chart.personName, "");
}

TEST_F(History, LunarRecordAnsweredAsLeapMonthGetsTheLeapCode) {
    // Lunar 1900 month 8 is followed by a leap month: the date check asks.
    dir.write("log.dat", record("001", "甲,农历1900-08-10 12:00,男,,"));
    HistoryDialogState dialog = opened();
    dialog.selection = 0;
    recorder.answer_next(true);
    ASSERT_TRUE(dialog.recast());
    ASSERT_EQ(recorder.questions.size(), 1u);
    EXPECT_GBK_EQ("1900年闰8月,是否闰月?", recorder.questions[0]);
    EXPECT_EQ(chart.leapMonth, 1);
    EXPECT_EQ(chart.lunarMonthCode, 28);
    EXPECT_EQ(chart.solarMonth, 10);  // the leap 8th month of 1900 began on 24 September
    EXPECT_EQ(chart.solarDay, 3);
}

TEST_F(History, TheChartStageAppendsWithTheHistoryOptionOnly) {
    testsupport::set_options("0001");
    ASSERT_TRUE(testsupport::store({1985, 3, 4, 12, 30}, 2024));
    ChartStages[0].run();
    EXPECT_GBK_EQ(record("001", ",公历1985-03-04 12:30,男,,"), log());
    testsupport::set_options("0000");
    ASSERT_TRUE(testsupport::store({1986, 3, 4, 12, 30}, 2024));
    ChartStages[0].run();
    EXPECT_GBK_EQ(record("001", ",公历1985-03-04 12:30,男,,"), log());
}

TEST_F(History, ComputingAChartWritesNoHistory) {
    testsupport::set_options("0001");
    ASSERT_TRUE(testsupport::cast({1985, 3, 4, 12, 30}, 2024));
    EXPECT_FALSE(logExists());
}

// --- names and places that would break the record -------------------------------

TEST(HistoryField, BracketsAndCommasBecomeFullWidth) {
    EXPECT_GBK_EQ("张，三［一］", clean_history_field("张,三[一]"));
    EXPECT_GBK_EQ("ab", clean_history_field("a\r\nb\x01"));
}

TEST(HistoryField, DoubleByteCharacterWithABracketTrailByteBecomesAQuestionMark) {
    // 0x81 0x5B and 0x81 0x5D are characters of GBK's extension rows.
    EXPECT_GBK_EQ("李？？", clean_history_field("李\x81\x5B\x81\x5D"));
    // A lone lead byte is dropped; the bytes after it stand on their own.
    EXPECT_GBK_EQ("李 b", clean_history_field("李\x81 b"));
    EXPECT_GBK_EQ("李", clean_history_field("李\x81"));
}

TEST(HistoryField, NameIsCutToNineteenBytesOnACharacterBoundary) {
    EXPECT_GBK_EQ("一二三四五六七八九", clean_history_field("一二三四五六七八九十", kHistoryNameBytes));
    EXPECT_GBK_EQ("a一二三四五六七八九", clean_history_field("a一二三四五六七八九十", kHistoryNameBytes));
    EXPECT_GBK_EQ("一二三四五六七八九", clean_history_field("一二三四五六七八九,", kHistoryNameBytes));
}

TEST(HistoryField, EveryListedPlaceIsWrittenUnchanged) {
    for (const CityEntry& place : CityTable) {
        EXPECT_EQ(clean_history_field(place.province), place.province);
        EXPECT_EQ(clean_history_field(place.city), place.city);
    }
}

TEST_F(History, CleanedNameKeepsTheRecordReadable) {
    append({1985, 3, 4, 12, 30, true, false, false, "广东", "广州"}, "王,[小]\x81\x5D");
    HistoryDialogState dialog = opened();
    ASSERT_EQ(dialog.lines.size(), 1u);
    EXPECT_GBK_EQ("王，［小］？,公历1985-03-04 12:30,男,广东,广州", dialog.lines[0]);
    EXPECT_EQ(next_history_number(log()), 2);
    dialog.selection = 0;
    ASSERT_TRUE(dialog.recast());
    EXPECT_GBK_EQ("王，［小］？", chart.personName);
    EXPECT_GBK_EQ("广州", chart.birthCity);
}

// --- damaged files -----------------------------------------------------------------

TEST_F(History, DamagedFilesListWhatTheyHoldAndNeverCrash) {
    const std::string cases[] = {
        "",
        std::string("\0\xff\x81]]\r", 6),
        "[001]\r\n甲,公历1985-03-04 12:30,男,,",  // cut before its line end
        "[001]\r\n甲,公历19",
        "[001]",
        "]",
        "[001]\n甲,公历1985-03-04 12:30,男,,\n2024-05-06 07:08:09\n\n[002]\n乙,公历1986-03-04 12:30,男,,\n",
    };
    const std::size_t listed[] = {0, 1, 1, 1, 1, 1, 2};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        dir.write("log.dat", cases[i]);
        HistoryDialogState dialog = opened();
        EXPECT_EQ(dialog.lines.size(), listed[i]) << i;
    }
    HistoryDialogState dialog = opened();  // the file with LF line ends
    EXPECT_GBK_EQ("乙,公历1986-03-04 12:30,男,,", dialog.lines[1]);
    dialog.selection = 1;
    ASSERT_TRUE(dialog.recast());
    EXPECT_EQ(chart.solarYear, 1986);
}

TEST_F(History, LinesTooShortForTheirFieldsAreRefusedWithAMessage) {
    for (const char* line : {"", "甲", "甲,公历19", "甲,公历1985-03-04 12:3"}) {
        recorder.messages.clear();
        EXPECT_FALSE(recast_history_line(line)) << line;
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_GBK_EQ(kHistoryBadRecord, recorder.messages[0]);
    }
    // Long enough for the minute: sex, province and city may be missing.
    recorder.messages.clear();
    EXPECT_TRUE(recast_history_line("甲,公历1985-03-04 12:30"));
    EXPECT_EQ(chart.sexFlag, 0);
    EXPECT_EQ(options.optTrueSolarTime, 0);
}

TEST_F(History, LongLineIsListedWholeAndItsNameCutOnRecast) {
    const std::string name(5000, 'a');
    dir.write("log.dat", record("001", name + ",公历1985-03-04 12:30,男,,"));
    HistoryDialogState dialog = opened();
    ASSERT_EQ(dialog.lines.size(), 1u);
    EXPECT_EQ(dialog.lines[0].size(), name.size() + 26);
    dialog.selection = 0;
    ASSERT_TRUE(dialog.recast());
    EXPECT_EQ(chart.personName, std::string(kHistoryNameBytes, 'a'));
}

TEST_F(History, AppendAfterACutRecordStartsOnANewLine) {
    dir.write("log.dat", "[001]\r\n甲,公历1985-03-04 12:30,男,,");
    append({1986, 3, 4, 12, 30}, "乙");
    HistoryDialogState dialog = opened();
    ASSERT_EQ(dialog.lines.size(), 2u);
    EXPECT_GBK_EQ("乙,公历1986-03-04 12:30,男,,", dialog.lines[1]);
}

TEST_F(History, DeletionRemovesTheListedRecordEvenWithBracketsInAnOldName) {
    // Written before names were cleaned: the '[' of the first name is not a record.
    const std::string first = record("001", "[甲],公历1985-03-04 12:30,男,,");
    const std::string second = record("002", "乙,公历1986-03-04 12:30,男,,");
    const std::string third = record("003", "丙,公历1987-03-04 12:30,男,,");
    dir.write("log.dat", first + second + third);
    HistoryDialogState dialog = opened();
    ASSERT_EQ(dialog.lines.size(), 3u);
    dialog.selection = 1;
    recorder.answer_next(true);
    ASSERT_TRUE(dialog.remove());
    EXPECT_GBK_EQ(first + third, log());
}

// Found by the deletion fuzzer: the lines the list shows and the '[' bytes of the
// file disagree, so the deleted bytes follow the listed record.
TEST_F(History, DeletionFollowsTheListWhereBracketsAndRecordsDisagree) {
    struct Case {
        std::string content;
    };
    const std::string second = record("002", "乙,公历1986-03-04 12:30,男,,");
    const Case cases[] = {
        {"](\xf8"},                                                      // a header without its '['
        {record("001", "\x81\x5B,公历1985-03-04 12:30,男,,") + second},  // a GBK trail byte '[' in an old name
        {"001]\r\n甲,公历1985-03-04 12:30,男,,\r\n" + second},
    };
    for (const Case& c : cases) {
        dir.write("log.dat", c.content);
        HistoryDialogState dialog = opened();
        ASSERT_EQ(dialog.lines.size(), c.content.size() > 10 ? 2u : 1u) << testsupport::readable(c.content);
        dialog.selection = static_cast<int>(dialog.lines.size()) - 1;
        recorder.answer_next(true);
        ASSERT_TRUE(dialog.remove());
        const std::string expected = c.content.size() > 10 ? c.content.substr(0, c.content.size() - second.size()) : "";
        EXPECT_EQ(log(), expected) << testsupport::readable(c.content);
        EXPECT_EQ(history_texts(log()).size(), dialog.lines.size());
    }
}

// --- a header cut short ------------------------------------------------------------

TEST_F(History, RecordAppendedAfterACutHeaderIsListed) {
    // Ends just after a header, inside its line end, or with the old next header glued to it.
    const std::string kept = record("001", "甲,公历1985-03-04 12:30,男,,") + record("002", "乙,公历1986-03-04 12:30,男,,");
    for (const std::string tail : {"[003]", "[003]\r", "[003]\r\n", "[003]\n"}) {
        dir.write("log.dat", kept + tail);
        append({1987, 3, 4, 12, 30}, "丙");
        HistoryDialogState dialog = opened();
        ASSERT_EQ(dialog.lines.size(), 3u) << testsupport::readable(tail);
        EXPECT_GBK_EQ("丙,公历1987-03-04 12:30,男,,", dialog.lines[2]);
        EXPECT_TRUE(log().ends_with("[004]\r\n" + dialog.lines[2] + "\r\n" + kCastTime));
        dialog.selection = 2;
        ASSERT_TRUE(dialog.recast());
        EXPECT_EQ(chart.solarYear, 1987);
        recorder.answer_next(true);
        ASSERT_TRUE(dialog.remove());  // the cut header goes with the record after it
        EXPECT_EQ(log(), kept);
    }
    dir.write("log.dat", kept + "[003][004]\r\n丙,公历1987-03-04 12:30,男,,\r\n");
    EXPECT_GBK_EQ("丙,公历1987-03-04 12:30,男,,", opened().lines.back());
}

// --- deleting what the list showed -------------------------------------------------

class HistoryDelete : public History {
protected:
    void SetUp() override {
        History::SetUp();
        for (int year : {1985, 1986, 1987}) append({year, 3, 4, 12, 30}, std::to_string(year));
    }
    // The file's list without reading options, as a second window sees it.
    static std::vector<std::string> listed() {
        HistoryDialogState other;
        other.list();
        return other.lines;
    }
    bool removeLine(HistoryDialogState& dialog, int n) {
        dialog.selection = n;
        recorder.answer_next(true);
        return dialog.remove();
    }
};

TEST_F(HistoryDelete, RemovesTheSelectedRecordAfterAnEarlierOneWentElsewhere) {
    HistoryDialogState dialog = opened();
    HistoryDialogState other = opened();
    ASSERT_TRUE(removeLine(other, 0));
    ASSERT_TRUE(removeLine(dialog, 1));  // still 1986 in this window's list
    const auto left = listed();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_GBK_EQ("1987,公历1987-03-04 12:30,男,,", left[0]);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(HistoryDelete, RecordDeletedElsewhereIsRefusedAndTheFileKept) {
    HistoryDialogState dialog = opened();
    HistoryDialogState other = opened();
    ASSERT_TRUE(removeLine(other, 1));
    const std::string before = log();
    EXPECT_FALSE(removeLine(dialog, 1));
    EXPECT_EQ(log(), before);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ(kHistoryRecordGone, recorder.messages[0]);
    EXPECT_EQ(dialog.lines.size(), 3u);  // the window's list is as it shows it
    ASSERT_TRUE(removeLine(dialog, 2));  // and its other lines still delete what they show
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(HistoryDelete, RecordAppendedSinceTheListingStays) {
    HistoryDialogState dialog = opened();
    append({1988, 3, 4, 12, 30}, "1988");
    ASSERT_TRUE(removeLine(dialog, 0));
    const auto left = listed();
    ASSERT_EQ(left.size(), 3u);
    EXPECT_GBK_EQ("1988,公历1988-03-04 12:30,男,,", left[2]);
}

TEST_F(HistoryDelete, IdenticalRecordsAreDeletedOneAtATime) {
    dir.write("log.dat", record("001", "甲,公历1985-03-04 12:30,男,,") + record("002", "乙,公历1986-03-04 12:30,男,,") +
                             record("002", "乙,公历1986-03-04 12:30,男,,") + record("004", "丙,公历1987-03-04 12:30,男,,"));
    HistoryDialogState dialog = opened();
    ASSERT_TRUE(removeLine(dialog, 1));
    ASSERT_TRUE(removeLine(dialog, 1));  // the second copy, now where the first was
    EXPECT_EQ(log(), record("001", "甲,公历1985-03-04 12:30,男,,") + record("004", "丙,公历1987-03-04 12:30,男,,"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(HistoryDelete, LastLineListedFromALongFileIsDeletedWhole) {
    const std::string one = record("001", "甲,公历1985-03-04 12:30,男,,");
    std::string content;
    while (content.size() + one.size() < kHistoryListLimit - 20) content += one;
    const std::string last = record("002", "乙,公历1986-03-04 12:30,男,,");  // listed, its time line past the limit
    content += last + one;
    dir.write("log.dat", content);
    HistoryDialogState dialog = opened();
    ASSERT_GBK_EQ("乙,公历1986-03-04 12:30,男,,", dialog.lines.back());
    ASSERT_TRUE(dialog.keys.back().cut);
    ASSERT_TRUE(removeLine(dialog, static_cast<int>(dialog.lines.size()) - 1));
    EXPECT_EQ(log(), content.substr(0, content.size() - last.size() - one.size()) + one);
}

TEST_F(HistoryDelete, SymlinkedFileStaysALinkAndKeepsItsMode) {
    testsupport::TempProgramDir elsewhere;  // restores this program folder when it goes
    const std::string target = elsewhere.file("history.dat");
    std::filesystem::rename(dir.file("log.dat"), target);
    std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(target, dir.file("log.dat"));
    platform::set_program_dir(dir.path().string());
    HistoryDialogState dialog = opened();
    ASSERT_TRUE(removeLine(dialog, 0));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("log.dat")));
    EXPECT_EQ(std::filesystem::status(target).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(listed().size(), 2u);
    append({1990, 3, 4, 12, 30}, "1990");  // appends reach the same file
    EXPECT_EQ(history_texts(elsewhere.read("history.dat")).size(), 3u);
}

// --- files that are not files --------------------------------------------------------

TEST_F(History, FifoInPlaceOfTheFileNeverBlocks) {
    ASSERT_EQ(::mkfifo(dir.file("log.dat").c_str(), 0644), 0);
    HistoryDialogState dialog = opened();
    EXPECT_TRUE(dialog.lines.empty());
    append({1985, 3, 4, 12, 30});
    ASSERT_EQ(recorder.messages.size(), 2u);
    for (const auto& m : recorder.messages) EXPECT_GBK_EQ(kHistoryCannotOpen, m);
}

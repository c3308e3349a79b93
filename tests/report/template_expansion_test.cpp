#include "report/template_expansion.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/message.h"
#include "report/report_fields.h"
#include "report/style_folder.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

struct Fields {
    Fields() {
        clear_report_fields(0, kReportFieldCount - 1);
        ReportFieldTable[101] = "张三";
        ReportFieldTable[1694] = "x";
        ReportFieldTable[5701] = "<br>";
    }
    ~Fields() { clear_report_fields(0, kReportFieldCount - 1); }
};

}  // namespace

TEST(TemplateExpansion, ReplacesReferencesVerbatim) {
    Fields fields;
    platform::MessageRecorder recorder;
    EXPECT_GBK_EQ("<p>张三</p><br>", expand_template_bytes("<p>[0101]</p>[5701]"));
    EXPECT_GBK_EQ("ab", expand_template_bytes("a[0000]b"));  // an unused field is empty
    EXPECT_GBK_EQ("张三y", expand_template_bytes("[0101xy"));  // the closing byte is dropped unseen
    EXPECT_GBK_EQ("x", expand_template_bytes("[12a4]"));       // 1*1000 + 2*100 + 49*10 + 4
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(TemplateExpansion, BadReferencesAreReportedAndSkipped) {
    Fields fields;
    platform::MessageRecorder recorder;
    EXPECT_EQ(expand_template_bytes("a[5702]b[9999]c[-001]d"), "abcd");
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_GBK_EQ("命状格式模版文件格式有错：[5702]", recorder.messages[0]);
    EXPECT_GBK_EQ("命状格式模版文件格式有错：[9999]", recorder.messages[1]);
    EXPECT_GBK_EQ("命状格式模版文件格式有错：[-001]", recorder.messages[2]);
}

TEST(TemplateExpansion, ReferenceCutOffByTheEndStopsTheScan) {
    Fields fields;
    platform::MessageRecorder recorder;
    EXPECT_EQ(expand_template_bytes("ab[01"), "ab");
    EXPECT_EQ(expand_template_bytes("["), "");
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_GBK_EQ("命状格式模版文件格式有错：[01   ", recorder.messages[0]);
    EXPECT_EQ(expand_template_bytes("[0101]"), "张三");  // exactly six bytes is whole
}

// The pieces of a template are kept between expansions: the fields must still
// be read anew each time, the messages shown again, and a template that differs
// in one byte of the same length cut again.
TEST(TemplateExpansion, AKeptTemplateStillReadsTheFieldsOfEachReport) {
    Fields fields;
    platform::MessageRecorder recorder;
    const std::string bytes = "<p>[0101]</p>[9999]";
    EXPECT_GBK_EQ("<p>张三</p>", expand_template_bytes(bytes));
    ReportFieldTable[101] = "李四";
    EXPECT_GBK_EQ("<p>李四</p>", expand_template_bytes(bytes));
    EXPECT_EQ(recorder.messages.size(), 2u);  // the bad reference, once per expansion
    const std::string changed = "<p>[0101]</p>[1694]";  // as long, four bytes apart
    EXPECT_GBK_EQ("<p>李四</p>x", expand_template_bytes(changed));
    EXPECT_EQ(recorder.messages.size(), 2u);
    EXPECT_GBK_EQ("<p>李四</p>", expand_template_bytes(bytes));
    EXPECT_EQ(recorder.messages.size(), 3u);
}

TEST(TemplateExpansion, GbkTrailByteBracketStartsAReference) {
    Fields fields;
    platform::MessageRecorder recorder;
    // 0x81 0x5B is a GBK character whose trail byte is '['.
    std::string page = expand_template_bytes(std::string("\x81\x5B" "0101]z"));
    EXPECT_EQ(page, std::string("\x81") + "张三z");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(TemplateExpansion, TemplateFilesAndTheirLimits) {
    Fields fields;
    testsupport::TempProgramDir dir;
    platform::MessageRecorder recorder;
    current_style_folder() = dir.file("style/02");

    EXPECT_FALSE(expand_template());  // missing
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("不能打开命状格式文件，请安装", recorder.messages[0]);

    std::string almost(kTemplateLimit - 1, 'a');
    almost.replace(0, 6, "[0101]");
    dir.write("style/02/normal.htm", almost);
    auto page = expand_template();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->size(), kTemplateLimit - 1 - 6 + 4);

    dir.write("style/02/normal.htm", std::string(kTemplateLimit, 'a'));
    page = expand_template();
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->empty());
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_GBK_EQ("命状格式模板文件超长", recorder.messages[1]);

    dir.write("style/02/normal.htm", "");
    page = expand_template();
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->empty());
    current_style_folder().clear();
}

TEST(TemplateExpansion, APageOverItsCeilingIsEmptyWithAMessage) {
    Fields fields;
    platform::MessageRecorder recorder;
    ReportFieldTable[101] = std::string(1 << 20, 'x');  // a megabyte behind one reference
    std::string references;
    for (int i = 0; i < 64; ++i) references += "[0101]";
    std::string page;
    EXPECT_TRUE(expand_template_bytes_into(references, page));
    EXPECT_EQ(page.size(), kPageLimit);  // exactly at the ceiling is still written
    references += "[0101]";
    EXPECT_FALSE(expand_template_bytes_into(references, page));
    EXPECT_TRUE(page.empty());
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ(kPageTooLongMessage, recorder.messages[0]);
}

TEST(TemplateExpansion, AFifoInPlaceOfTheTemplateIsRefusedWithoutWaiting) {
    testsupport::TempProgramDir dir;
    platform::MessageRecorder recorder;
    current_style_folder() = dir.file("style/02");
    std::filesystem::create_directories(dir.file("style/02"));
    ASSERT_EQ(::mkfifo(dir.file("style/02/normal.htm").c_str(), 0644), 0);
    EXPECT_FALSE(expand_template());
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_GBK_EQ("不能打开命状格式文件，请安装", recorder.messages[0]);
    current_style_folder().clear();
}

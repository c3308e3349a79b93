#include "app/build_chart.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/message.h"
#include "report/report_fields.h"
#include "report/style_folder.h"
#include "support/birth.h"
#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

// Records the positions and stages; cancels when the bar reaches `cancelAt`.
class RecordingObserver : public BuildObserver {
public:
    explicit RecordingObserver(int cancelAt = 1000) : cancelAt_(cancelAt) {}
    void set_position(int position) override { positions.push_back(position); }
    bool cancelled() override { return !positions.empty() && positions.back() >= cancelAt_; }
    void stage_done(int stageIndex) override { stages.push_back(stageIndex); }
    std::vector<int> positions;
    std::vector<int> stages;

private:
    int cancelAt_;
};

struct ChartFixture {
    testsupport::TempProgramDir dir;
    ChartFixture() {
        current_style_folder().clear();
        testsupport::set_options("0000");
        EXPECT_TRUE(testsupport::store({1984, 2, 4, 5, 6}));
        dir.write("style/02/normal.htm", "<p>[0331]</p><p>[4401][4402]</p><p>[0001]</p>");
    }
    ~ChartFixture() { current_style_folder().clear(); }
};

}  // namespace

TEST(BuildChart, FirstChartGoesToStyleTwoInOrder) {
    ChartFixture setup;
    RecordingObserver observer;
    ASSERT_EQ(build_chart(observer), BuildResult::written);
    EXPECT_EQ(current_style_folder(), setup.dir.file("style/02"));
    EXPECT_EQ(observer.positions.size(), 101u);
    ASSERT_EQ(observer.stages.size(), static_cast<std::size_t>(kChartStageCount));
    for (int i = 0; i < kChartStageCount; ++i) EXPECT_EQ(observer.stages[static_cast<std::size_t>(i)], i);
    const std::string page = setup.dir.read("style/02/right.htm");
    EXPECT_EQ(page.substr(0, 11), "<p>" + std::string("戊辰") + "</p>");
    EXPECT_NE(page.find(ReportFieldTable[1]), std::string::npos);  // the chart code is published
    EXPECT_FALSE(ReportFieldTable[1].empty());
}

TEST(BuildChart, ChosenStyleFolderStays) {
    ChartFixture setup;
    setup.dir.write("style/05/normal.htm", "five");
    current_style_folder() = style_folder_of("05");
    ASSERT_EQ(build_chart(), BuildResult::written);
    EXPECT_EQ(setup.dir.read("style/05/right.htm"), "five");
    EXPECT_FALSE(std::filesystem::exists(setup.dir.path() / "style/02/right.htm"));
}

TEST(BuildChart, CancelWritesNothing) {
    ChartFixture setup;
    setup.dir.write("style/02/right.htm", "previous");
    RecordingObserver observer(50);
    EXPECT_EQ(build_chart(observer), BuildResult::cancelled);
    EXPECT_EQ(setup.dir.read("style/02/right.htm"), "previous");
    EXPECT_EQ(observer.stages.size(), 4u);  // positions 1, 10, 15 and 20 ran
}

TEST(BuildChart, MissingTemplateWritesNothing) {
    ChartFixture setup;
    platform::MessageRecorder recorder;
    std::filesystem::remove(setup.dir.path() / "style/02/normal.htm");
    EXPECT_EQ(build_chart(), BuildResult::no_template);
    EXPECT_FALSE(std::filesystem::exists(setup.dir.path() / "style/02/right.htm"));
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_GBK_EQ("不能打开命状格式文件，请安装", recorder.messages.back());
}

TEST(BuildChart, TooLongTemplateWritesAnEmptyPage) {
    ChartFixture setup;
    platform::MessageRecorder recorder;
    setup.dir.write("style/02/normal.htm", std::string(640000, ' '));
    setup.dir.write("style/02/right.htm", "previous");
    EXPECT_EQ(build_chart(), BuildResult::written);
    EXPECT_EQ(setup.dir.read("style/02/right.htm"), "");
}

TEST(BuildChart, UnwritablePageKeepsThePreviousOne) {
    ChartFixture setup;
    platform::MessageRecorder recorder;
    std::filesystem::create_directories(setup.dir.path() / "style/02/right.htm");  // a folder in the way
    EXPECT_EQ(build_chart(), BuildResult::write_failed);
    EXPECT_TRUE(std::filesystem::is_directory(setup.dir.path() / "style/02/right.htm"));
    ASSERT_FALSE(recorder.messages.empty());
}

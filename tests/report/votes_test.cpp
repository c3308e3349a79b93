#include "report/votes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

TEST(Votes, PercentagesFromTheVoteFile) {
    testsupport::TempProgramDir dir;
    dir.write("dovar.dll", "[Other]\r\n210001=9\r\n[Vote]\r\n210001=45\r\n210002=0\r\n251010=00\r\n240039=12345\r\n"
                           "220001=5\r\n220001=7\r\n");
    refresh_votes();
    EXPECT_GBK_EQ("45%", vote_text(210001));
    EXPECT_GBK_EQ("未有投票数据", vote_text(210002));
    EXPECT_GBK_EQ("00%", vote_text(251010));  // only the exact text 0 means no votes
    EXPECT_GBK_EQ("123%", vote_text(240039));  // cut to three characters
    EXPECT_GBK_EQ("5%", vote_text(220001));    // the first entry counts
    EXPECT_GBK_EQ("未有投票数据", vote_text(999999));
}

TEST(Votes, MissingOrBinaryFileHasNoVotes) {
    testsupport::TempProgramDir dir;
    refresh_votes();
    EXPECT_GBK_EQ("未有投票数据", vote_text(210001));
    dir.write("dovar.dll", std::string("\x00\x01[Vote]\n210001=45\n", 20));
    refresh_votes();
    EXPECT_GBK_EQ("未有投票数据", vote_text(210001));
    dir.write("dovar.dll", std::string(2 << 20, 'x'));
    refresh_votes();
    EXPECT_GBK_EQ("未有投票数据", vote_text(210001));
}

TEST(Votes, ButtonCarriesTheNumberTwice) {
    EXPECT_GBK_EQ("<div id='d260060'><button type='button' onClick=\"v('260060')\">投票</button></div>",
                  vote_button(260060));
}

// The file is kept between reports; each report's one look decides whether it
// is read again.
namespace {

// Sets the modification time a whole number of seconds from a fixed moment, so
// that two writes in the same clock tick can still be told apart or not.
void set_modified(const std::string& path, int seconds) {
    static const auto base = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::filesystem::last_write_time(path, base + std::chrono::seconds(seconds));
}

}  // namespace

TEST(VoteCache, VoteWrittenBetweenReportsSeenByTheNext) {
    testsupport::TempProgramDir dir;
    dir.write("dovar.dll", "[Vote]\r\n210001=45\r\n");
    refresh_votes();
    EXPECT_GBK_EQ("45%", vote_text(210001));
    dir.write("dovar.dll", "[Vote]\r\n210001=45\r\n210002=8\r\n");
    // Within a report the votes stay those of its start.
    EXPECT_GBK_EQ("未有投票数据", vote_text(210002));
    refresh_votes();
    EXPECT_GBK_EQ("8%", vote_text(210002));
    EXPECT_GBK_EQ("45%", vote_text(210001));
}

TEST(VoteCache, VanishedFileHasNoVotesAndReappearingIsRead) {
    testsupport::TempProgramDir dir;
    dir.write("dovar.dll", "[Vote]\r\n210001=45\r\n");
    refresh_votes();
    EXPECT_GBK_EQ("45%", vote_text(210001));
    std::filesystem::remove(dir.file("dovar.dll"));
    refresh_votes();
    EXPECT_GBK_EQ("未有投票数据", vote_text(210001));
    // A folder where the file was: not a vote file.
    std::filesystem::create_directory(dir.file("dovar.dll"));
    refresh_votes();
    EXPECT_GBK_EQ("未有投票数据", vote_text(210001));
    std::filesystem::remove(dir.file("dovar.dll"));
    dir.write("dovar.dll", "[Vote]\r\n210001=61\r\n");
    refresh_votes();
    EXPECT_GBK_EQ("61%", vote_text(210001));
}

TEST(VoteCache, SameSizeAnotherTimeIsReadAgain) {
    testsupport::TempProgramDir dir;
    const std::string path = dir.file("dovar.dll");
    dir.write("dovar.dll", "[Vote]\r\n210001=45\r\n");
    set_modified(path, 100);
    refresh_votes();
    EXPECT_GBK_EQ("45%", vote_text(210001));
    // Rewritten in place: the same file, the same size, only the time moved.
    dir.write("dovar.dll", "[Vote]\r\n210001=46\r\n");
    set_modified(path, 101);
    refresh_votes();
    EXPECT_GBK_EQ("46%", vote_text(210001));
    // Replaced by another file of the same size with the old time.
    const std::string other = dir.file("dovar.new");
    dir.write("dovar.new", "[Vote]\r\n210001=47\r\n");
    set_modified(other, 101);
    std::filesystem::rename(other, path);
    refresh_votes();
    EXPECT_GBK_EQ("47%", vote_text(210001));
}

TEST(VoteCache, AnotherProgramFolderIsReadWithoutARefresh) {
    std::string first;
    {
        testsupport::TempProgramDir dir;
        dir.write("dovar.dll", "[Vote]\r\n210001=45\r\n");
        refresh_votes();
        first = vote_text(210001);
    }
    testsupport::TempProgramDir dir;
    dir.write("dovar.dll", "[Vote]\r\n210001=12\r\n");
    EXPECT_GBK_EQ("45%", first);
    EXPECT_GBK_EQ("12%", vote_text(210001));
}

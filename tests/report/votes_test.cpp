#include "report/votes.h"

#include <gtest/gtest.h>

#include "support/gbk_assert.h"
#include "support/temp_dir.h"

using namespace orvane;

TEST(Votes, PercentagesFromTheVoteFile) {
    testsupport::TempProgramDir dir;
    dir.write("dovar.dll", "[Other]\r\n210001=9\r\n[Vote]\r\n210001=45\r\n210002=0\r\n251010=00\r\n240039=12345\r\n"
                           "220001=5\r\n220001=7\r\n");
    EXPECT_GBK_EQ("45%", vote_text(210001));
    EXPECT_GBK_EQ("未有投票数据", vote_text(210002));
    EXPECT_GBK_EQ("00%", vote_text(251010));  // only the exact text 0 means no votes
    EXPECT_GBK_EQ("123%", vote_text(240039));  // cut to three characters
    EXPECT_GBK_EQ("5%", vote_text(220001));    // the first entry counts
    EXPECT_GBK_EQ("未有投票数据", vote_text(999999));
}

TEST(Votes, MissingOrBinaryFileHasNoVotes) {
    testsupport::TempProgramDir dir;
    EXPECT_GBK_EQ("未有投票数据", vote_text(210001));
    dir.write("dovar.dll", std::string("\x00\x01[Vote]\n210001=45\n", 20));
    EXPECT_GBK_EQ("未有投票数据", vote_text(210001));
    dir.write("dovar.dll", std::string(2 << 20, 'x'));
    EXPECT_GBK_EQ("未有投票数据", vote_text(210001));
}

TEST(Votes, ButtonCarriesTheNumberTwice) {
    EXPECT_GBK_EQ("<div id='d260060'><button type='button' onClick=\"v('260060')\">投票</button></div>",
                  vote_button(260060));
}

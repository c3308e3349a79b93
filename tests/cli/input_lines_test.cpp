// Batch input read in blocks: lines that straddle a block, a CR LF split
// between two blocks, the line ceiling, and the wait hook of a pipe.
#include <gtest/gtest.h>

#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/input_lines.h"

namespace {

constexpr std::size_t kBlock = 64 * 1024;  // the reader's block

std::vector<cli::InputLine> lines_of(cli::InputLines& input) {
    std::vector<cli::InputLine> lines;
    for (cli::InputLine line; input.next(line);) lines.push_back(line);
    return lines;
}

TEST(InputLines, LinesAcrossBlockEdges) {
    // A first line ending one byte before the block's end, its CR the block's
    // last byte and its LF the next block's first; then one line spanning three
    // blocks, and a last line without a line end.
    const std::string first(kBlock - 1, 'a');
    const std::string spanning(cli::kInputLineLimit, 'b');  // exactly at the ceiling: kept
    const std::string bytes = first + "\r\n" + spanning + "\n" + std::string(cli::kInputLineLimit + 1, 'c') + "\nlast";
    std::istringstream in(bytes);
    cli::InputLines input(in);
    const std::vector<cli::InputLine> lines = lines_of(input);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, first);
    EXPECT_EQ(lines[1].text, spanning);
    EXPECT_FALSE(lines[1].tooLong);
    EXPECT_TRUE(lines[2].tooLong);
    EXPECT_TRUE(lines[2].text.empty());
    EXPECT_EQ(lines[3].text, "last");
    EXPECT_EQ(lines[3].number, 4);
}

TEST(InputLines, APipeIsReadAsItComesAndTheHookRunsBeforeEachWait) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    // The writer's side is played by the hook itself, so that each piece
    // arrives only when the reader is about to wait for it.
    const std::vector<std::string> pieces = {"one\ntwo\n", "thr", "ee\r\n"};
    int waits = 0;
    cli::InputLines input(fds[0], [&] {
        if (waits < static_cast<int>(pieces.size()))
            ASSERT_EQ(::write(fds[1], pieces[waits].data(), pieces[waits].size()),
                      static_cast<ssize_t>(pieces[waits].size()));
        else
            ::close(fds[1]);
        ++waits;
    });
    cli::InputLine line;
    // Two lines of one read: one wait for both.
    ASSERT_TRUE(input.next(line));
    EXPECT_EQ(line.text, "one");
    ASSERT_TRUE(input.next(line));
    EXPECT_EQ(line.text, "two");
    EXPECT_EQ(waits, 1);
    // A line in two pieces: a wait for each.
    ASSERT_TRUE(input.next(line));
    EXPECT_EQ(line.text, "three");
    EXPECT_EQ(line.number, 3);
    EXPECT_EQ(waits, 3);
    EXPECT_FALSE(input.next(line));  // the writer has closed the pipe
    EXPECT_EQ(waits, 4);
    ::close(fds[0]);
}

}  // namespace

#include "platform/encoding.h"

#include <gtest/gtest.h>

#include "platform/message.h"

TEST(Encoding, GbkAndUtf8RoundTrip) {
    const std::string gbk = "八字";  // GBK bytes: the project compiles literals as GBK
    ASSERT_EQ(gbk.size(), 4u);
    auto utf8 = platform::gbk_to_utf8(gbk);
    ASSERT_TRUE(utf8);
    EXPECT_EQ(*utf8, "\xE5\x85\xAB\xE5\xAD\x97");
    auto back = platform::utf8_to_gbk(*utf8);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, gbk);
}

TEST(Encoding, RefusesWhatTheOtherSideLacks) {
    EXPECT_FALSE(platform::utf8_to_gbk("\xF0\x9F\x98\x80"));  // an emoji has no GBK form
    EXPECT_FALSE(platform::utf8_to_gbk("\xC3"));              // truncated UTF-8
    EXPECT_FALSE(platform::gbk_to_utf8("\x81"));              // a lone lead byte
    EXPECT_EQ(platform::gbk_to_utf8_lossy("a\x81"), "a\xEF\xBF\xBD");
}

TEST(Encoding, PrefixNeverSplitsACharacter) {
    const std::string ten = "一二三四五六七八九十";
    EXPECT_EQ(platform::gbk_prefix(ten, 19), ten.substr(0, 18));
    EXPECT_EQ(platform::gbk_prefix("a" + ten, 19), ("a" + ten).substr(0, 19));
    EXPECT_EQ(platform::gbk_prefix("ab", 19), "ab");
    // A lead byte without a valid trail byte is one byte of its own.
    EXPECT_EQ(platform::gbk_prefix("\x81" "a\x81", 2), "\x81" "a");
    EXPECT_EQ(platform::gbk_prefix("a\x81", 19), "a\x81");
    EXPECT_EQ(platform::gbk_prefix("一\x81\x7F", 3), "一\x81");
}

TEST(Messages, RecorderCollectsAndAnswers) {
    platform::MessageRecorder recorder;
    recorder.answer_next(true);
    platform::show_message("one");
    EXPECT_TRUE(platform::ask_yes_no("first?"));
    EXPECT_FALSE(platform::ask_yes_no("second?"));  // no queued answer: no
    EXPECT_EQ(recorder.messages, std::vector<std::string>{"one"});
    EXPECT_EQ(recorder.questions, (std::vector<std::string>{"first?", "second?"}));
}

// The streaming writer against nlohmann's compact dump of the same values: the
// batch output must not move by a byte when the tree goes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "cli/cli_support.h"
#include "cli/json_writer.h"

namespace {

using nlohmann::ordered_json;

std::string nlohmann_text(const ordered_json& value) { return cli::dump_json(value); }

TEST(JsonWriter, NumbersAsNlohmannDumpsThem) {
    std::string text;
    cli::JsonWriter out(text);
    ordered_json tree = ordered_json::array();
    out.begin_array();
    const double doubles[] = {0.0, -0.0, 1.0, -1.5, 100.0, 1e15, 1e16, 1e17, 1e20, 1e-4, 1e-5, 1e-7,
                              0.1, 1.0 / 3, 123456789.125, 5e-324, std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()};
    for (double d : doubles) {
        out.value(d);
        tree.push_back(d);
    }
    // Floats of the chart record (coordinates, scores): widened as nlohmann widens them.
    std::mt19937 random(15);
    std::uniform_real_distribution<float> degrees(-180.0f, 180.0f);
    for (int i = 0; i < 2000; ++i) {
        float f = degrees(random);
        if (i % 3 == 0) f = std::round(f * 100) / 100;  // as typed: two decimals
        out.value(f);
        tree.push_back(f);
    }
    const std::int64_t integers[] = {0, -1, 7, std::numeric_limits<std::int64_t>::min(),
                                     std::numeric_limits<std::int64_t>::max()};
    for (std::int64_t n : integers) {
        out.value(n);
        tree.push_back(n);
    }
    for (int n : {0, -28800, 2147483647}) {
        out.value(n);
        tree.push_back(n);
    }
    out.value(std::uint8_t{255});
    tree.push_back(std::uint8_t{255});
    out.value(std::numeric_limits<std::uint64_t>::max());
    tree.push_back(std::numeric_limits<std::uint64_t>::max());
    out.value(true);
    tree.push_back(true);
    out.value(false);
    tree.push_back(false);
    out.end_array();
    EXPECT_EQ(out.finish(), nlohmann_text(tree));
}

// Every digit count and both signs, one by one and as whole arrays, around the
// edges where the digit writer changes its way.
TEST(JsonWriter, IntegersOfEveryLengthAsNlohmann) {
    std::vector<std::int64_t> numbers = {std::numeric_limits<std::int64_t>::min(), -4294967296LL, -4294967295LL,
                                         4294967295LL, 4294967296LL, std::numeric_limits<std::int64_t>::max()};
    for (std::int64_t power = 1; power <= 1000000000000LL; power *= 10)
        for (std::int64_t n : {power - 1, power, power + 1, 5 * power, -power, -(power - 1)}) numbers.push_back(n);
    std::mt19937 random(27);
    std::uniform_int_distribution<int> any(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    std::vector<int> ints = {0, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
    for (int i = 0; i < 3000; ++i) ints.push_back(i % 2 ? any(random) >> (i % 31) : any(random));
    std::vector<std::uint8_t> bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<std::uint8_t>(b));

    std::string text;
    cli::JsonWriter out(text);
    ordered_json tree = ordered_json::array();
    out.begin_array();
    for (std::int64_t n : numbers) {
        out.value(n);
        tree.push_back(n);
        if (n >= 0) {
            out.value(static_cast<std::uint64_t>(n));
            tree.push_back(static_cast<std::uint64_t>(n));
        }
    }
    out.values(ints.data(), ints.size());
    tree.push_back(ints);
    out.values(bytes.data(), bytes.size());
    tree.push_back(bytes);
    out.end_array();
    EXPECT_EQ(out.finish(), nlohmann_text(tree));
}

TEST(JsonWriter, StringsEscapedAndBadBytesReplacedAsNlohmannDoes) {
    std::vector<std::string> samples = {"", "plain", "a\"b\\c/d", "\x7f", "\xE5\xBC\xA0\xE4\xB8\x89", "\xF0\x9F\x98\x80 four bytes"};
    for (int c = 0; c < 0x20; ++c) samples.push_back(std::string("x") + static_cast<char>(c) + "y");
    samples.push_back(std::string(3000, '\x01'));  // six bytes out for each byte in, past the first room

    // Not UTF-8: a lone continuation, a cut sequence, an overlong form, a surrogate, GBK bytes.
    for (const char* bad : {"\x80", "ab\xE5\xBC", "\xC0\xAF", "\xED\xA0\x80", "\xD5\xC5\xC8\xFD", "ok\xFF"})
        samples.push_back(bad);
    for (const std::string& s : samples) {
        std::string text;
        cli::JsonWriter out(text);
        out.string(s);
        EXPECT_EQ(out.finish(), nlohmann_text(ordered_json(s))) << cli::printable_utf8(s);
        EXPECT_TRUE(cli::is_utf8(text)) << cli::printable_utf8(s);
        EXPECT_TRUE(ordered_json::accept(text)) << cli::printable_utf8(s);
    }
}

TEST(JsonWriter, GbkTextAsTheTreeHadIt) {
    // "张三" in GBK, then a byte GBK cannot decode, then ASCII with a control character.
    for (const std::string& gbk : {std::string("\xD5\xC5\xC8\xFD"), std::string("\xD5\xC5\xFF" "a"),
                                  std::string("tab\there"), std::string()}) {
        std::string text;
        cli::JsonWriter out(text);
        out.text(gbk);
        EXPECT_EQ(out.finish(), nlohmann_text(cli::text(gbk))) << cli::printable_utf8(gbk);
    }
}

TEST(JsonWriter, NestingAndSeparatorsAsNlohmann) {
    std::string text = "kept ";  // the writer appends: a reused buffer is the caller's to clear
    cli::JsonWriter out(text);
    out.begin_object();
    out.member("a", 1);
    out.key("empty");
    out.begin_array();
    out.end_array();
    out.key("none");
    out.begin_object();
    out.end_object();
    out.key("rows");
    out.begin_array();
    for (int r = 0; r < 3; ++r) {
        out.begin_array();
        for (int c = 0; c < r; ++c) out.value(c);
        out.end_array();
    }
    out.end_array();
    out.key("inner");
    out.begin_object();
    out.member("x", 0.5);
    out.text_member("name", "n");
    out.end_object();
    out.member("last", std::string("z"));
    const int numbers[] = {0, -1, 2147483647, -2147483647 - 1, 42};
    const std::uint8_t flags[] = {0, 1, 255};
    out.key("numbers");
    out.values(numbers, 5);
    out.key("flags");
    out.values(flags, 3);
    out.key("nothing");
    out.values(numbers, 0);
    out.end_object();

    ordered_json tree;
    tree["a"] = 1;
    tree["empty"] = ordered_json::array();
    tree["none"] = ordered_json::object();
    tree["rows"] = {ordered_json::array(), {0}, {0, 1}};
    tree["inner"] = {{"x", 0.5}, {"name", "n"}};
    tree["last"] = "z";
    tree["numbers"] = {0, -1, 2147483647, -2147483647 - 1, 42};
    tree["flags"] = {std::uint8_t{0}, std::uint8_t{1}, std::uint8_t{255}};
    tree["nothing"] = ordered_json::array();
    EXPECT_EQ(out.finish(), "kept " + nlohmann_text(tree));
}

}  // namespace

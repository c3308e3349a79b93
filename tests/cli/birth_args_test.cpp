// The plain reading of a batch line against the general parser: whatever the
// plain reading takes, the parser must take the same way; whatever the parser
// refuses, the plain reading must leave to it.
#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

#include <sstream>

#include "cli/birth_args.h"

namespace {

std::vector<std::string> words_of(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

struct Parsed {
    bool ok = false;
    cli::BirthArgs args;
};

Parsed by_parser(const std::vector<std::string>& words) {
    CLI::App app;
    Parsed parsed;
    cli::add_birth_options(app, parsed.args);
    std::vector<std::string> reversed(words.rbegin(), words.rend());
    try {
        app.parse(reversed);
        parsed.ok = true;
    } catch (const CLI::ParseError&) {
    }
    return parsed;
}

void expect_same(const cli::BirthArgs& a, const cli::BirthArgs& b, const std::string& line) {
    EXPECT_EQ(a.solar, b.solar) << line;
    EXPECT_EQ(a.lunar, b.lunar) << line;
    EXPECT_EQ(a.leap, b.leap) << line;
    EXPECT_EQ(a.time, b.time) << line;
    EXPECT_EQ(a.sex, b.sex) << line;
    EXPECT_EQ(a.name, b.name) << line;
    EXPECT_EQ(a.place, b.place) << line;
    EXPECT_EQ(a.coords, b.coords) << line;
    EXPECT_EQ(a.zone, b.zone) << line;
    EXPECT_EQ(a.options, b.options) << line;
    EXPECT_EQ(a.yes, b.yes) << line;
    EXPECT_EQ(a.no, b.no) << line;
}

TEST(PlainBirthWords, TakenOnlyWhereTheParserAgrees) {
    const std::vector<std::string> taken = {
        "--solar 1985-03-04 --time 12:30 --sex male --options 1100",
        "--sex female --time 00:00 --lunar 1987-06-10 --leap --yes",
        "--solar 2024-02-04 --time 16:27 --sex male --name 张三 --place 北京/北京 --no",
        "--solar 1990-07-01 --time 13:30 --sex female --coords 74.0,40.7 --tz America/New_York",
        "--time 99:99 --sex male --solar nonsense",  // odd values are the engine's to refuse
    };
    for (const std::string& line : taken) {
        cli::BirthArgs plain;
        ASSERT_TRUE(cli::read_plain_birth_words(words_of(line), plain)) << line;
        const Parsed parsed = by_parser(words_of(line));
        ASSERT_TRUE(parsed.ok) << line;
        expect_same(plain, parsed.args, line);
    }

    const std::vector<std::string> left = {
        "--solar 1985-03-04 --lunar 1985-01-01 --time 12:30 --sex male",  // excluded pair
        "--solar 1985-03-04 --time 12:30 --sex male --yes --no",
        "--solar 1985-03-04 --time 12:30 --sex male --place a/b --tz UTC",
        "--solar 1985-03-04 --time 12:30 --sex male --place a/b --coords 1,2",
        "--solar 1985-03-04 --time 12:30",                                 // required --sex missing
        "--solar 1985-03-04 --sex male",                                   // required --time missing
        "--solar 1985-03-04 --time 12:30 --sex other",                     // not one of the choices
        "--solar 1985-03-04 --time 12:30 --sex male --solar 1985-03-05",   // given twice
        "--solar=1985-03-04 --time 12:30 --sex male",                      // the = form
        "--solar 1985-03-04 --time 12:30 --sex male --coords -74.0,40.7 --tz America/New_York",
        "--solar 1985-03-04 --time 12:30 --sex male --name \"a\"",         // quotes
        "--solar 1985-03-04 --time 12:30 --sex male --help",
        "--solar 1985-03-04 --time 12:30 --sex male stray",
        "--solar 1985-03-04 --time 12:30 --sex",                           // a value missing
        "--solar 1985-03-04 --time 12:30 --sex male --leap --leap",
    };
    for (const std::string& line : left) {
        cli::BirthArgs plain;
        plain.name = "untouched";
        EXPECT_FALSE(cli::read_plain_birth_words(words_of(line), plain)) << line;
        EXPECT_EQ(plain.name, "untouched") << line;
    }
}

}  // namespace

// 命状格式模板: the report styles that ship in the program folder. The template scan
// takes every 0x5B byte for the start of a field reference, so a stray bracket or a
// double-byte character with that trail byte would break a report at run time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "report/field_map.h"

namespace {

namespace fs = std::filesystem;

const fs::path& style_root() {
    static const fs::path root =
        (fs::path(__FILE__).parent_path() / ".." / ".." / "resources" / "program" / "style").lexically_normal();
    return root;
}

std::string read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Lines of style.ini as the menu builder splits them: each ends at a CR, and the
// text after the last CR is not a line.
std::vector<std::string> style_names() {
    std::string ini = read_bytes(style_root() / "style.ini");
    std::vector<std::string> names;
    size_t start = 0;
    for (size_t cr = ini.find('\r'); cr != std::string::npos && cr + 1 < ini.size(); cr = ini.find('\r', start)) {
        std::string line = ini.substr(start, cr - start);
        if (!line.empty() && line.front() == '\n') line.erase(0, 1);
        names.push_back(line);
        start = cr + 1;
    }
    return names;
}

std::string folder_name(size_t index) {
    char name[8];
    std::snprintf(name, sizeof name, "%02zu", index + 1);
    return name;
}

std::vector<fs::path> shipped_templates() {
    std::vector<fs::path> templates;
    for (size_t k = 0; k < style_names().size(); ++k) templates.push_back(style_root() / folder_name(k) / "normal.htm");
    return templates;
}

// Problems of a template as the expansion would meet them: a bracket that does not open
// [NNNN] with NNNN in 0..5701, or a double-byte character whose trail byte is 0x5B.
std::vector<std::string> reference_problems(const std::string& bytes, std::set<int>* referenced) {
    std::vector<std::string> problems;
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x81 && b <= 0xFE) {
            if (i + 1 < bytes.size() && bytes[i + 1] == '[')
                problems.push_back("double-byte character with trail byte 0x5B at " + std::to_string(i));
            ++i;
            continue;
        }
        if (b != '[') continue;
        std::string ref = bytes.substr(i, 6);
        bool well_formed = ref.size() == 6 && ref[5] == ']' &&
                          std::all_of(ref.begin() + 1, ref.begin() + 5, [](unsigned char c) { return std::isdigit(c); });
        int n = well_formed ? std::stoi(ref.substr(1, 4)) : -1;
        if (!well_formed || n > 5701) {
            problems.push_back("bad reference \"" + ref + "\" at " + std::to_string(i));
        } else if (referenced) {
            referenced->insert(n);
        }
        i += 5;
    }
    return problems;
}

TEST(ShippedStyles, StyleIniIsGbkWithCrLfLinesNamingAtLeastFiveStyles) {
    std::string ini = read_bytes(style_root() / "style.ini");
    ASSERT_FALSE(ini.empty()) << style_root() / "style.ini";
    EXPECT_TRUE(platform::gbk_to_utf8(ini).has_value());
    EXPECT_LE(ini.size(), 6400u);
    ASSERT_GE(ini.size(), 2u);
    EXPECT_EQ("\r\n", ini.substr(ini.size() - 2)) << "the last line needs its CR LF, or the menu drops it";
    for (size_t i = 0; i < ini.size(); ++i) {
        if (ini[i] == '\r') {
            EXPECT_EQ('\n', ini[i + 1]) << "CR without LF at " << i;
        }
        if (ini[i] == '\n') {
            EXPECT_TRUE(i > 0 && ini[i - 1] == '\r') << "LF without CR at " << i;
        }
    }
    std::vector<std::string> names = style_names();
    EXPECT_GE(names.size(), 5u);
    EXPECT_LE(names.size(), 20u);
    for (const std::string& name : names) EXPECT_FALSE(name.empty());
}

TEST(ShippedStyles, EveryNamedFolderHoldsTemplateAndFramePage) {
    std::vector<std::string> names = style_names();
    ASSERT_FALSE(names.empty());
    for (size_t k = 0; k < names.size(); ++k) {
        fs::path folder = style_root() / folder_name(k);
        EXPECT_TRUE(fs::is_regular_file(folder / "normal.htm")) << folder;
        EXPECT_TRUE(fs::is_regular_file(folder / "index.htm")) << folder;
        EXPECT_FALSE(fs::exists(folder / "right.htm")) << "a written report does not ship: " << folder;
    }
}

TEST(ShippedTemplates, AreGbkDeclaredAsGbkAndFitTheTemplateBuffer) {
    for (const fs::path& path : shipped_templates()) {
        SCOPED_TRACE(path.string());
        std::string bytes = read_bytes(path);
        ASSERT_FALSE(bytes.empty());
        EXPECT_LT(bytes.size(), 640000u);
        EXPECT_TRUE(platform::gbk_to_utf8(bytes).has_value()) << "not decodable as GBK";
        EXPECT_NE(std::string::npos, lowered(bytes).find("<meta charset=\"gbk\">"));
    }
}

TEST(ShippedTemplates, UseBracketsOnlyForFieldReferences) {
    for (const fs::path& path : shipped_templates()) {
        SCOPED_TRACE(path.string());
        for (const std::string& problem : reference_problems(read_bytes(path), nullptr)) ADD_FAILURE() << problem;
    }
}

TEST(ShippedTemplates, PlaceEveryFieldTheProducersWrite) {
    for (const fs::path& path : shipped_templates()) {
        SCOPED_TRACE(path.string());
        std::set<int> referenced;
        reference_problems(read_bytes(path), &referenced);
        std::string missing;
        for (int n : orvane::mapped_fields())
            if (!referenced.count(n)) missing += " " + std::to_string(n);
        EXPECT_TRUE(missing.empty()) << "fields not placed:" << missing;
    }
}

TEST(ShippedTemplates, DefineTheVoteFunctionOfTheVoteButtons) {
    for (const fs::path& path : shipped_templates()) {
        SCOPED_TRACE(path.string());
        EXPECT_NE(std::string::npos, read_bytes(path).find("function v(id)"));
    }
}

TEST(ShippedFramePages, AreGbkAndFrameTheWrittenReport) {
    for (size_t k = 0; k < style_names().size(); ++k) {
        fs::path path = style_root() / folder_name(k) / "index.htm";
        SCOPED_TRACE(path.string());
        std::string bytes = read_bytes(path);
        EXPECT_TRUE(platform::gbk_to_utf8(bytes).has_value());
        std::string lower = lowered(bytes);
        EXPECT_NE(std::string::npos, lower.find("<meta charset=\"gbk\">"));
        bool frames = lower.find("<iframe src=\"right.htm\"") != std::string::npos ||
                      lower.find("<frame src=\"right.htm\"") != std::string::npos;
        EXPECT_TRUE(frames) << "index.htm must frame right.htm";
    }
}

TEST(TemplateScanCheck, CatchesStrayBracketsAndTrailBytes) {
    std::set<int> referenced;
    EXPECT_TRUE(reference_problems("<p>[0101] [5701]</p>", &referenced).empty());
    EXPECT_EQ((std::set<int>{101, 5701}), referenced);
    EXPECT_EQ(1u, reference_problems("a[5702]", nullptr).size());
    EXPECT_EQ(1u, reference_problems("x = a[0];", nullptr).size());
    EXPECT_EQ(1u, reference_problems("[010", nullptr).size());
    // A double-byte character whose trail byte is 0x5B.
    EXPECT_EQ(1u, reference_problems(std::string("\x81[0101]"), nullptr).size());
    // Trail bytes are skipped: "\xB0\xA1" is one character, then a good reference.
    EXPECT_TRUE(reference_problems(std::string("\xB0\xA1[0001]"), nullptr).empty());
}

}  // namespace

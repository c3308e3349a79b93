#include "report/texts/cheng_ming.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/bone_weight.h"
#include "platform/encoding.h"
#include "support/gbk_assert.h"

using orvane::cheng_ming_verse;
using orvane::ChengMing;

namespace {

std::vector<char32_t> code_points(const std::string& utf8) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = len == 1 ? lead : lead & (0x3F >> (len - 1));
        for (int k = 1; k < len && i + k < utf8.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(cp);
        i += len;
    }
    return out;
}

bool is_ideograph(char32_t c) { return c >= 0x4E00 && c <= 0x9FFF; }

// Four lines of seven characters: "，" "；" "，" "。" after them; empty when it holds.
std::string shape_fault(const std::string& gbk) {
    if (gbk.size() != 64) return "is " + std::to_string(gbk.size()) + " bytes, not 64";
    const auto utf8 = platform::gbk_to_utf8(gbk);
    if (!utf8) return "is not valid GBK";
    const auto cps = code_points(*utf8);
    if (cps.size() != 32) return "has " + std::to_string(cps.size()) + " characters, not 32";
    const char32_t stops[4] = {U'，', U'；', U'，', U'。'};
    for (int line = 0; line < 4; ++line) {
        for (int k = 0; k < 7; ++k)
            if (!is_ideograph(cps[line * 8 + k])) return "line " + std::to_string(line + 1) + " has a non-character";
        if (cps[line * 8 + 7] != stops[line]) return "line " + std::to_string(line + 1) + " ends with the wrong stop";
    }
    return {};
}

}  // namespace

TEST(ChengMing, QuotedVersesStandAtTheirWeights) {
    ASSERT_NE(cheng_ming_verse(22), nullptr);
    ASSERT_NE(cheng_ming_verse(71), nullptr);
    EXPECT_GBK_EQ("身寒骨冷苦仃伶，此命推来行乞人；碌碌巴巴无度日，终年打拱过平生。", cheng_ming_verse(22));
    EXPECT_GBK_EQ("此命生成大不同，公侯卿相在其中；一生自有逍遥福，富贵荣华极品隆。", cheng_ming_verse(71));
}

TEST(ChengMing, EveryWeightFromLightestToHeaviestHasAVerse) {
    for (int w = 21; w <= 71; ++w) {
        const char* verse = cheng_ming_verse(w);
        ASSERT_NE(verse, nullptr) << "weight " << w;
        EXPECT_EQ(verse, ChengMing[w - 21]) << "weight " << w;
    }
}

TEST(ChengMing, WeightsOutsideTheTableHaveNoVerse) {
    for (int w : {-1, 0, 1, 20, 72, 100}) EXPECT_EQ(cheng_ming_verse(w), nullptr) << "weight " << w;
}

TEST(ChengMing, EveryReachableTotalHasAVerse) {
    int lightest = 1000, heaviest = 0;
    for (int year = 0; year < 60; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 30; ++day)
                for (int hour = 1; hour <= 12; ++hour) {
                    const int total = orvane::bone_weight_parts(year, month, day, hour).total();
                    lightest = std::min(lightest, total);
                    heaviest = std::max(heaviest, total);
                }
    EXPECT_EQ(lightest, orvane::ChengMingLightest);
    EXPECT_EQ(heaviest, orvane::ChengMingHeaviest);
}

TEST(ChengMing, EveryVerseHasFourLinesOfSevenCharacters) {
    for (int w = 21; w <= 71; ++w) {
        const std::string fault = shape_fault(cheng_ming_verse(w));
        EXPECT_TRUE(fault.empty()) << "weight " << w << " " << fault << ": " << testsupport::readable(cheng_ming_verse(w));
    }
}

TEST(ChengMing, NoVerseOrLineIsRepeated) {
    std::set<std::string> verses, lines;
    for (int w = 21; w <= 71; ++w) {
        const std::string verse = cheng_ming_verse(w);
        EXPECT_TRUE(verses.insert(verse).second) << "weight " << w << " repeats a verse";
        if (verse.size() != 64) continue;  // reported by the shape test
        for (int line = 0; line < 4; ++line) {
            const std::string text = verse.substr(line * 16, 14);
            EXPECT_TRUE(lines.insert(text).second) << "weight " << w << " repeats " << testsupport::readable(text);
        }
    }
}

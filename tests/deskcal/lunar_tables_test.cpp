// 农历数据表
#include <gtest/gtest.h>

#include "deskcal/calendar/lunar_date.h"
#include "deskcal/calendar/lunar_tables.h"

namespace deskcal {
namespace {

TEST(LunarMonthBits, QuotedWordsAreReproduced) {
    EXPECT_EQ(0x4AE0, kLunarMonthBits[0]);
    EXPECT_EQ(0xA570, kLunarMonthBits[1]);
    EXPECT_EQ(0x5268, kLunarMonthBits[2]);
    EXPECT_EQ(0xD260, kLunarMonthBits[3]);
    EXPECT_EQ(0xD950, kLunarMonthBits[4]);
    EXPECT_EQ(0x55B0, kLunarMonthBits[2050 - 1901]);
}

TEST(LeapMonths, QuotedBytesAreReproduced) {
    const std::uint8_t first[6] = {0x00, 0x50, 0x04, 0x00, 0x20, 0x60};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(first[k], kLeapMonths[k]) << "byte " << k;
}

TEST(SolarTermDays, QuotedBytesAreReproduced) {
    EXPECT_EQ(0x96, kSolarTermDays[0]);
    EXPECT_EQ(0xB4, kSolarTermDays[1]);
}

TEST(SolarTermDays, NibblesStayInsideTheirRange) {
    for (int i = 0; i < kSolarTermMonthCount; ++i) {
        const int high = kSolarTermDays[i] >> 4;
        const int low = kSolarTermDays[i] & 0x0F;
        EXPECT_TRUE(high >= 6 && high <= 12) << "index " << i;
        EXPECT_TRUE(low >= 3 && low <= 9) << "index " << i;
    }
}

// A year uses 12 bits, or 13 with a leap month; the bits below are clear.
TEST(LunarMonthBits, UnusedLowBitsAreClear) {
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        const int used = LeapMonth(y) == 0 ? 12 : 13;
        const unsigned unusedMask = (1u << (16 - used)) - 1;
        EXPECT_EQ(0u, kLunarMonthBits[y - kFirstYear] & unusedMask) << y;
    }
}

}  // namespace
}  // namespace deskcal

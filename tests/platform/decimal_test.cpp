// The number writer against printf itself, over the widths and fills the
// report uses and the edges of int.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>

#include "platform/decimal.h"

namespace {

std::string printf_text(int value, int width, char fill) {
    char buffer[32];
    if (fill == '0')
        std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    else
        std::snprintf(buffer, sizeof buffer, "%*d", width, value);
    return buffer;
}

TEST(Decimal, WritesAsPrintfDoes) {
    std::vector<int> values = {0, 1, -1, 9, 10, -9, -10, 99, 100, 999, -999, 1000, 2100, INT_MAX, INT_MIN};
    std::mt19937 random(8);
    std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
    for (int i = 0; i < 500; ++i) values.push_back(any(random) >> (i % 32));
    for (int value : values)
        for (int width : {0, 1, 2, 3, 4, 12})
            for (char fill : {' ', '0'}) {
                EXPECT_EQ(platform::decimal(value, width, fill), printf_text(value, width, fill))
                    << value << " width " << width << " fill '" << fill << "'";
                std::string appended = "x";
                platform::append_decimal(appended, value, width, fill);
                EXPECT_EQ(appended, "x" + printf_text(value, width, fill));
            }
}

}  // namespace

#include "support/gbk_assert.h"

#include "platform/encoding.h"

namespace testsupport {

std::string readable(const std::string& gbk) { return platform::gbk_to_utf8_lossy(gbk); }

::testing::AssertionResult GbkEqual(const char* expectedExpr, const char* actualExpr,
                                    const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "Expected equality of " << expectedExpr << " and " << actualExpr
                                         << "\n  expected: \"" << readable(expected) << "\""
                                         << "\n  actual:   \"" << readable(actual) << "\"";
}

}  // namespace testsupport

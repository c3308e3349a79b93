// Comparing GBK strings with failures shown in UTF-8, so that they can be read.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

::testing::AssertionResult GbkEqual(const char* expectedExpr, const char* actualExpr,
                                    const std::string& expected, const std::string& actual);

// GBK bytes shown as UTF-8 (undecodable bytes as U+FFFD).
std::string readable(const std::string& gbk);

}  // namespace testsupport

#define EXPECT_GBK_EQ(expected, actual) EXPECT_PRED_FORMAT2(::testsupport::GbkEqual, expected, actual)
#define ASSERT_GBK_EQ(expected, actual) ASSERT_PRED_FORMAT2(::testsupport::GbkEqual, expected, actual)

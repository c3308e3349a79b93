// Pillars written as 干支 in tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/names.h"
#include "support/gbk_assert.h"

namespace testsupport {

// The cycle number [0, 59] of a pillar name such as "甲子" (a test failure when unknown).
inline int pillar_named(const std::string& gbk) {
    for (int n = 0; n < 60; ++n)
        if (gbk == orvane::CycleNames[static_cast<std::size_t>(n)]) return n;
    ADD_FAILURE() << "no pillar " << readable(gbk);
    return 1;
}

}  // namespace testsupport

// SPDX-License-Identifier: MIT
// Rows of a table test named after their `name` field, so each can be run alone
// (--gtest_filter) and a failed ASSERT in one row hides none of the others.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace tarnivo::testing {

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

}  // namespace tarnivo::testing

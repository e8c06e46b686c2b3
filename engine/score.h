// SPDX-License-Identifier: MIT
#pragma once

#include "app/runtime/counter.h"

namespace tarnivo {

// Number of problems in a set.
inline constexpr int ProblemLimit = 20;

// The score of one set: every submission and every fully right one. It only grows.
class Score {
public:
    [[nodiscard]] const Counter& RightCount() const noexcept { return rightCount_; }
    [[nodiscard]] const Counter& TotalCount() const noexcept { return totalCount_; }

    void addSubmission() { totalCount_.increment(); }
    void addRightAnswer() { rightCount_.increment(); }

private:
    Counter rightCount_;
    Counter totalCount_;
};

}  // namespace tarnivo

// SPDX-License-Identifier: MIT
#pragma once

#include <random>

#include "tests/monkey/walk_event.h"

namespace monkey {

// A student who wants to get through the set: each step does the next thing that
// brings the program nearer the end-of-set screen, reading the answer off the key.
class Student {
public:
    explicit Student(std::mt19937& random) : random_(random) {}

    WalkEvent step();
    // A new run of the program: the student starts over and has printed nothing yet.
    void startOver() { printsThisRun_ = 0; }

private:
    WalkEvent signIn();
    WalkEvent answer();
    [[nodiscard]] bool chance(double probability);

    std::mt19937& random_;
    int printsThisRun_ = 0;
};

}  // namespace monkey

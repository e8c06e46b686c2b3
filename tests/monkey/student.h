// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <random>
#include <string>

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

    // The answer shape that fits a key: 0 A√B/C, 1 √B/C, 2 A/C, 3 A√B, 4 A, 5 √B, 6 1/C.
    static int shapeFor(const std::array<std::string, 3>& key);

private:
    WalkEvent signIn();
    WalkEvent answer();
    [[nodiscard]] bool chance(double probability);

    std::mt19937& random_;
    int printsThisRun_ = 0;
};

}  // namespace monkey

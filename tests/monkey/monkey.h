// SPDX-License-Identifier: MIT
#pragma once

#include <random>

#include "tests/monkey/walk_event.h"

namespace monkey {

// Random abuse of whatever window is in front: clicks anywhere, keys, pastes, answer
// shapes and the desktop's close request.
class Monkey {
public:
    explicit Monkey(std::mt19937& random) : random_(random) {}

    // How often a click that lands on an Exit button is let through; the rest are aimed
    // again, so that a run lasts long enough to get somewhere.
    void setExitClickChance(double chance) { exitClickChance_ = chance; }

    // A click at a random point of a random window on the screen.
    WalkEvent click();
    // A random key, with or without Shift, Alt or Ctrl, to the widget with the focus.
    WalkEvent key();
    // Random text through the clipboard and Ctrl+V, into a text box.
    WalkEvent paste();
    // A click on a random answer-shape option of the practice window.
    WalkEvent chooseAnswerForm();
    // The desktop asks a random window to close.
    WalkEvent close();

private:
    [[nodiscard]] bool chance(double probability);

    std::mt19937& random_;
    double exitClickChance_ = 1.0;
};

}  // namespace monkey

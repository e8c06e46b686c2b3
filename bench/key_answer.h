// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "ui/practice/frm_tarnivo.h"

namespace tarnivo::bench {

// The answer a student reads off the key: the shape that fits it and the text of each
// box that shape leaves to the student ("" for a box it hides or presets to 1).
struct KeyAnswer {
    int shape = 0;
    std::array<std::string, 3> boxes;

    // Reads the key labels of the problem on show.
    static KeyAnswer readFrom(const frmTarnivo& form);
};

// Picks the answer's shape and fills its boxes through the window's own controls, as a
// student would; with `wrong`, the first box the student fills gets a digit too many.
void enterAnswer(frmTarnivo& form, const KeyAnswer& answer, bool wrong = false);

}  // namespace tarnivo::bench

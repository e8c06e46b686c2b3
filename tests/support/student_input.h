// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"

namespace tarnivo::testing {

// The answer a student reads off the key: the shape that fits it and the text of each
// box that shape leaves to the student ("" for a box it hides or presets to 1).
struct KeyAnswer {
    int shape = 0;
    std::array<std::string, 3> boxes;
};

// The key of the problem on show: the A, B and C of its simplest form.
std::array<std::string, 3> keyOf(const frmTarnivo& form);

// The answer shape that fits a key: 0 A√B/C, 1 √B/C, 2 A/C, 3 A√B, 4 A, 5 √B, 6 1/C.
KeyAnswer answerFor(const std::array<std::string, 3>& key);

// Picks the answer's shape and fills its boxes through the window's own controls; with
// `wrong`, the first box the student fills gets a digit too many.
void enterAnswer(frmTarnivo& form, const KeyAnswer& answer, bool wrong = false);

// Signs in through the sign-in window's boxes and OK, letting the windows paint after
// each step.
void signIn(frmSignIn& window);

}  // namespace tarnivo::testing

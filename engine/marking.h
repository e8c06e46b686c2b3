// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/runtime/integer.h"

namespace tarnivo {

// One verdict per answer box (coefficient, radicand, denominator): true when the box
// text, with blanks around it trimmed, equals the key text exactly. Any text is
// accepted; what does not match is simply wrong.
std::array<bool, 3> MarkAnswer(const std::array<std::string, 3>& boxTexts, const std::array<std::string, 3>& keyTexts);

// Whole percent of right submissions with the sign position and "%" (" 66%"); "0%"
// before anything was submitted.
std::string GradeText(double rightCount, double totalCount);

// True when the problem counter caption has reached the set size.
bool IsSetComplete(std::string_view problemCounterText, Integer problemLimit);

}  // namespace tarnivo

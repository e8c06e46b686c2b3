// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/runtime/integer.h"

namespace tarnivo {

// The text of an answer box as it is marked (UTF-8): every Unicode space, format and
// control character (categories Zs, Zl, Zp, Cc and Cf) at either end left out, such as a
// pasted newline or tab, a no-break space, the ideographic space an input method commits
// after full-width digits, or a zero-width space. What stands between them is kept, and
// a text that is not valid UTF-8 is cut only at its valid ends.
std::string MarkedText(std::string_view boxText);

// A marked text as it is shown to be read, on paper: each space, format or control
// character inside it other than the plain space becomes "\u2423" (␣), so that an answer
// marked wrong for a tab or a zero-width space between its digits does not read as the key.
std::string VisibleText(std::string_view markedText);

// One verdict per answer box (coefficient, radicand, denominator): true when the box
// text as it is marked (MarkedText) equals the key text exactly. Any text is accepted;
// what does not match is simply wrong ("02", "+2", "2.0" and "1 5" are wrong for "2" or "15").
std::array<bool, 3> MarkAnswer(const std::array<std::string, 3>& boxTexts, const std::array<std::string, 3>& keyTexts);

// Whole percent of right submissions with the sign position and "%" (" 66%"); "0%"
// before anything was submitted.
std::string GradeText(double rightCount, double totalCount);

// True when the problem counter caption has reached the set size.
bool IsSetComplete(std::string_view problemCounterText, Integer problemLimit);

}  // namespace tarnivo

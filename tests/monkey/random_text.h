// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <random>

namespace monkey {

// The longest text the walk pastes, in UTF-16 units.
inline constexpr int LongestPaste = 100 * 1024;

// Text as it might arrive on the clipboard: mostly short, now and then up to
// LongestPaste long, mixing digits and letters with control characters, accented and
// right-to-left letters, CJK, combining marks, emoji outside the basic plane and
// invisible format characters.
QString randomPasteText(std::mt19937& random);

}  // namespace monkey

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace monkey {

// The whole number a counter or score label shows ("0", " 17"), or nothing when the
// caption is not a plain whole number.
std::optional<int> shownNumber(std::string_view caption);

// What a user of the running program relies on, checked against the windows as they
// are now: the sign-in window's OK and copy rules, the practice window in one of its
// states with a score and a problem counter that fit it, the answer boxes of the
// chosen answer shape, and the focus only on a control the user can see and use.
// Returns the first rule that does not hold, or an empty text when all hold.
std::string brokenInvariant();

}  // namespace monkey

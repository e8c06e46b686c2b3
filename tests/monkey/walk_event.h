// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace monkey {

// One step of the walk as the user took it, for the report and for the checks that
// depend on what the user just did.
struct WalkEvent {
    std::string what;
    // A click, Enter or Space on a shown and usable Exit, or a close from the desktop:
    // the program must be over when the step returns.
    bool mustEnd = false;
    // A click on a shown and usable Print Results: the student must hear what became
    // of the print.
    bool printPressed = false;
};

}  // namespace monkey

// SPDX-License-Identifier: MIT
#pragma once

#include "app/toolkit/control.h"

namespace tarnivo::tk {

// Tells a listening screen reader what happened to the program's controls: painted controls
// shown, hidden or renamed, and the news of live controls, which the window's announcer speaks.
class AccessibleChanges {
public:
    // Becomes the listener of every control.
    static void listen();

private:
    static void changed(const Control& control, ControlChange change);
};

}  // namespace tarnivo::tk

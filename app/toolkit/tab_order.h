// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace tarnivo::tk {

class Control;

// The walk of Tab and Shift+Tab along a window's controls.
class TabOrder {
public:
    // The controls that take the focus, by tab index, skipping hidden and disabled ones;
    // an option group is one stop, on its selected button.
    [[nodiscard]] static std::vector<Control*> stops(const std::vector<Control*>& controls);
    // The stop after (or before) the focused control; from no focus, the first (or last).
    // Null when there are no stops.
    [[nodiscard]] static Control* next(const std::vector<Control*>& stops, const Control* focused, bool forward);
    // The first stop past the tab index, or else the first of all; null when there are none.
    [[nodiscard]] static Control* after(const std::vector<Control*>& stops, int tabIndex);
};

}  // namespace tarnivo::tk

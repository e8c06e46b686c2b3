// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarnivo::tk {

class Announcer;
class Control;
class Window;

// The announcer of each window with live controls: made on first use, and taken off the
// accessibility bus when the window's widget goes.
class AnnouncerRegistry {
public:
    // The window's announcer; null for a window without live controls.
    static Announcer* of(const Window& window);
    // The control's new value is announced once the current event is done.
    static void changed(const Control& control);
    // Ends the line a screen reader hears from the window once the current event is done
    // with the window's own words.
    static void say(const Window& window, const std::string& words);
};

}  // namespace tarnivo::tk

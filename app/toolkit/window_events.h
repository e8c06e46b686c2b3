// SPDX-License-Identifier: MIT
#pragma once

class QPainter;

namespace tarnivo::tk {

// What a window's widget passes on to the window it shows.
class WindowEvents {
public:
    // The desktop made the window the active one.
    virtual void activated() = 0;
    // The desktop asked the window to close (title-bar button, Alt+F4).
    virtual void closeRequested() = 0;
    [[nodiscard]] virtual bool unloaded() const = 0;
    // Paints the window's background and its painted controls.
    virtual void paintClient(QPainter& painter) const = 0;

protected:
    WindowEvents() = default;
    WindowEvents(const WindowEvents&) = default;
    WindowEvents& operator=(const WindowEvents&) = default;
    ~WindowEvents() = default;
};

}  // namespace tarnivo::tk

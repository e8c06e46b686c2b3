// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QKeyEvent;

namespace tarnivo::tk {

class Window;

// The keyboard rules of the program's windows: Tab and Shift+Tab walk the tab order,
// Enter presses a focused push button or else the window's default button.
class KeyboardRules : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // An access key whose button is hidden or disabled reaches the focused control as a plain
    // key press; a text box would take its letter as typed text.
    static bool isAltLetter(const QKeyEvent& key);
    static bool pressForEnter(Window& window);
};

}  // namespace tarnivo::tk

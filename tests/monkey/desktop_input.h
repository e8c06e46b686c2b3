// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QString>
#include <vector>

#include "app/toolkit/control.h"
#include "app/toolkit/text_box.h"
#include "app/toolkit/window.h"

class QWidget;

namespace monkey {

namespace tk = tarnivo::tk;

// The program's windows that are on the screen, front to back: the sign-in window
// stands in front of the practice window while both are up.
std::vector<tk::Window*> shownWindows();

// The widget a key press goes to: the window's focus widget, or the window itself.
QWidget* keyTarget(const tk::Window& window);

// Clicks a point of the screen as the desktop delivers it: to the frontmost window
// there and within it to the deepest widget under the point. Returns that widget, or
// nullptr when none of the program's windows is there.
QWidget* widgetAt(QPoint global);
void clickAt(QWidget* receiver, QPoint global);

// Clicks the middle of a control's widget.
void click(const tk::Control& control);

// Clicks into the box, selects all it holds and types the text over it, key by key.
void typeOver(const tk::TextBox& box, const QString& text);

// What a window manager does when the active window goes away: it activates the
// window in front. The offscreen platform leaves no window active instead.
void activateFrontWindowIfNoneIs();

// Types the text key by key into the widget.
void typeText(QWidget* target, const QString& text);

// Lets the event loop run for a while without sleeping, so that timers such as the
// animated press of an access key fire.
void runEventsFor(int milliseconds);

}  // namespace monkey

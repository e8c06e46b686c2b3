// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <ostream>
#include <string>
#include <vector>

#include "app/toolkit/control.h"
#include "app/toolkit/window.h"

namespace tarnivo::testing {

// Creates the offscreen QApplication once per test program and records every error that
// reaches the program's error boundary instead of showing a message box.
void ensureApplication();
// Ends the application as the program's main() ends it: the windows, then the
// application object. For a test that ends its process right after.
void endApplication();

// Errors reported since the last reset; every window test expects none unless it provoked one.
const std::vector<std::string>& reportedErrors();
// Unloads every window and clears the record of errors and of the program's end.
void resetProgram();

// The widget behind a control, for simulated input.
QWidget* widgetOf(const tk::Control& control);
QWidget* widgetOf(const tk::Window& window);

// Where a control's widget stands in its window, in pixels, and the text it shows if it is a
// push button.
struct DrawnWidget {
    QRect pixels;
    std::string text;
    friend bool operator==(const DrawnWidget&, const DrawnWidget&) = default;
};
DrawnWidget drawnWidget(const tk::Control& control);
void PrintTo(const DrawnWidget& drawn, std::ostream* out);

// Grabs a window's client area and saves it as build/screens/<name>.png for a person to look at.
QImage grabWindow(const tk::Window& window, const std::string& name);

// Lets queued events (deferred clicks, repaints, destruction of unloaded windows) run.
void settle(int milliseconds = 0);

}  // namespace tarnivo::testing

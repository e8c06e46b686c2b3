// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "app/toolkit/window_events.h"

namespace tarnivo::tk {

// The Qt side of a Window: its client area paints the window's background and its
// painted controls, and turns the desktop's close request into the window's own.
class WindowWidget : public QWidget {
public:
    explicit WindowWidget(WindowEvents& owner);
    // The window a widget belongs to, or null for widgets outside the program's windows.
    static WindowEvents* windowOf(const QWidget* widget);
    // The window and its controls take the desktop's scheme, with a focus ring that shows.
    static void followDesktopScheme(QWidget& window);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    WindowEvents& owner_;
};

}  // namespace tarnivo::tk

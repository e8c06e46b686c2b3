// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace tarnivo::tk {

class Window;

// The Qt side of a Window: its client area paints the window's background and its
// painted controls, and turns the desktop's close request into the window's own.
class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Window& owner);
    // The Window a widget belongs to, or null for widgets outside the program's windows.
    static Window* windowOf(const QWidget* widget);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Window& owner_;
};

}  // namespace tarnivo::tk

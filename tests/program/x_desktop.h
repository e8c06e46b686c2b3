// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace tarnivo::testing {

// A private X desktop for whole-program tests: Xvfb on a free display with openbox as its
// window manager, and the X client tools (xdotool, xwininfo, xprop, import) pointed at it.
// Everything is started here and stopped by process, in reverse order, when it goes.
class XDesktop {
public:
    XDesktop() = default;
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    // Starts the X server and the window manager. Returns an empty text when both run,
    // otherwise why the desktop could not start.
    std::string start();
    void stop();

    [[nodiscard]] QString display() const { return display_; }
    // What the X server and the window manager said, for a failure report.
    [[nodiscard]] std::string report() const;
    // The environment for a program on this desktop: the caller's, with DISPLAY set, and
    // the colour scheme's platform theme once one is chosen.
    [[nodiscard]] QProcessEnvironment environment() const;
    // Programs started from now on get their colours as a desktop hands them over: through
    // the qt6ct platform theme, with the scheme file given (qt6ct's format), or with none
    // for the style's own. Fusion is the style either way. False when qt6ct is missing.
    bool useColourScheme(const QString& schemeFile);
    // The running programs' scheme changes as a desktop's settings panel changes it: qt6ct's
    // settings file is replaced by one naming the new scheme file. False before useColourScheme.
    bool changeColourScheme(const QString& schemeFile);
    [[nodiscard]] QSize screenSize() const;

    // Runs an X client tool to the end; its standard output, trimmed. Failures give "".
    QString run(const QString& program, const QStringList& arguments, int timeoutMs = 10000) const;
    // The first visible window whose title is exactly `title`, waiting for it up to the
    // timeout; 0 when there is none.
    [[nodiscard]] qulonglong waitForWindow(const QString& title, int timeoutMs = 10000) const;
    [[nodiscard]] bool waitForWindowGone(const QString& title, int timeoutMs = 10000) const;
    // The window's client area on the screen, as xwininfo reports it.
    [[nodiscard]] QRect clientRect(qulonglong window) const;
    // One property as xprop prints it ("NAME(TYPE) = value"), or "" when it is not set.
    [[nodiscard]] QString property(qulonglong window, const QString& name) const;
    // The managed windows from the bottom of the stack to the top, as the window manager has them.
    [[nodiscard]] std::vector<qulonglong> stackingOrder() const;
    // The active window once it is `expected`, or whichever is active when the time is up.
    [[nodiscard]] qulonglong waitForActiveWindow(qulonglong expected, int timeoutMs = 5000) const;
    // Grabs the whole screen; saves it to `path` when one is given.
    [[nodiscard]] QImage screenshot(const QString& path = {}) const;
    // Waits until the screen pixels at all the points have the colour; false on timeout.
    [[nodiscard]] bool waitForPixels(const std::vector<QPoint>& points, QColor colour, int timeoutMs = 5000) const;

    // Input through the X server, as a user gives it.
    void click(qulonglong window, QPoint clientPoint) const;
    void type(const QString& text) const;
    void keys(const QStringList& keys) const;
    // Asks the window manager to close the window, as its title-bar close button does.
    void closeWindow(qulonglong window) const;

private:
    QTemporaryDir startupFolder_;
    QProcess xvfb_;
    QProcess windowManager_;
    QString display_;
    QString schemeConfig_;  // XDG_CONFIG_HOME holding qt6ct's settings; empty for no platform theme
};

}  // namespace tarnivo::testing

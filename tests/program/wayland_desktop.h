// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace tarnivo::testing {

// A private Wayland desktop for whole-program tests: a headless weston with its desktop shell
// on its own socket and runtime folder, which lets clients take screenshots of it. It is started
// here and stopped by process when it goes.
class WaylandDesktop {
public:
    WaylandDesktop() = default;
    ~WaylandDesktop();
    WaylandDesktop(const WaylandDesktop&) = delete;
    WaylandDesktop& operator=(const WaylandDesktop&) = delete;

    // Starts weston. Returns an empty text when it runs, otherwise why it could not start.
    std::string start();
    void stop();

    // What weston said, for a failure report.
    [[nodiscard]] std::string report() const;
    // The environment for a program on this desktop: the caller's, without an X display, with
    // Qt's Wayland plugin chosen.
    [[nodiscard]] QProcessEnvironment environment() const;
    // Grabs the whole screen; saves it to `path` when one is given. Null when weston refused.
    [[nodiscard]] QImage screenshot(const QString& path = {}) const;

private:
    QTemporaryDir runtimeFolder_;
    QProcess weston_;
};

}  // namespace tarnivo::testing

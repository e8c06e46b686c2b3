// SPDX-License-Identifier: MIT
#include "tests/program/wayland_desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QThread>

namespace tarnivo::testing {

namespace {
const QString Socket = "tarnivo-test";
}

WaylandDesktop::~WaylandDesktop() { stop(); }

std::string WaylandDesktop::start() {
    for (const char* tool : {"weston", "weston-screenshooter"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return std::string(tool) + " is not installed (scripts/install-deps.sh test installs it)";
    }
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
    if (platforms.entryList({"libqwayland*.so"}).isEmpty())
        return "Qt's Wayland plugin is not installed (scripts/install-deps.sh test installs qt6-wayland)";
    if (!runtimeFolder_.isValid()) return "no runtime folder for weston";
    QFile::setPermissions(runtimeFolder_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtimeFolder_.path());
    environment.remove("WAYLAND_DISPLAY");
    weston_.setProcessEnvironment(environment);
    weston_.setProcessChannelMode(QProcess::MergedChannels);
    weston_.setStandardOutputFile(runtimeFolder_.filePath("weston.log"));
    // --debug offers the screenshot protocol to clients.
    weston_.start("weston", {"--backend=headless-backend.so", "--use-pixman", "--socket=" + Socket, "--width=1280",
                             "--height=1024", "--idle-time=0", "--debug"});
    if (!weston_.waitForStarted(5000))
        return "weston could not be started (" + weston_.errorString().toStdString() + ")";
    QElapsedTimer clock;
    clock.start();
    const QString socket = runtimeFolder_.filePath(Socket);
    while (!QFileInfo(socket).exists()) {
        if (weston_.state() == QProcess::NotRunning || clock.elapsed() > 15000) {
            stop();
            return "weston did not open its socket: " + report();
        }
        QThread::msleep(50);
    }
    return {};
}

void WaylandDesktop::stop() {
    if (weston_.state() == QProcess::NotRunning) return;
    weston_.terminate();
    if (!weston_.waitForFinished(3000)) {
        weston_.kill();
        weston_.waitForFinished(3000);
    }
}

std::string WaylandDesktop::report() const {
    QFile log(runtimeFolder_.filePath("weston.log"));
    return "weston said: " + (log.open(QIODevice::ReadOnly) ? log.readAll().trimmed().toStdString() : "(nothing)");
}

QProcessEnvironment WaylandDesktop::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.insert("XDG_RUNTIME_DIR", runtimeFolder_.path());
    environment.insert("WAYLAND_DISPLAY", Socket);
    environment.insert("QT_QPA_PLATFORM", "wayland");
    return environment;
}

QImage WaylandDesktop::screenshot(const QString& path) const {
    // weston-screenshooter writes wayland-screenshot-<time>.png into its working folder.
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setProcessEnvironment(environment());
    shooter.setWorkingDirectory(folder.path());
    shooter.start("weston-screenshooter", {});
    if (!shooter.waitForFinished(10000)) {
        shooter.kill();
        shooter.waitForFinished(1000);
        return {};
    }
    const QStringList shots = QDir(folder.path()).entryList({"wayland-screenshot-*.png"});
    if (shots.isEmpty()) return {};
    QImage image(folder.filePath(shots.front()));
    if (!path.isEmpty()) image.save(path);
    return image;
}

}  // namespace tarnivo::testing

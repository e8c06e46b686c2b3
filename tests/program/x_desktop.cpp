// SPDX-License-Identifier: MIT
#include "tests/program/x_desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>

namespace tarnivo::testing {

namespace {
constexpr int PollMs = 50;

void stopProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

// Polls `ready` until it holds or the time is up.
template <class Predicate>
bool pollUntil(int timeoutMs, Predicate ready) {
    QElapsedTimer clock;
    clock.start();
    while (true) {
        if (ready()) return true;
        if (clock.elapsed() > timeoutMs) return false;
        QThread::msleep(PollMs);
    }
}
}  // namespace

XDesktop::~XDesktop() { stop(); }

std::string XDesktop::start() {
    for (const char* tool : {"Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "import", "wmctrl"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return std::string(tool) + " is not installed (scripts/install-deps.sh test installs it)";
    }
    // -displayfd picks a free display number and writes it on standard output once the
    // server accepts connections.
    xvfb_.setStandardErrorFile(startupFolder_.filePath("xvfb.log"));
    xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (!xvfb_.waitForStarted(5000)) return "Xvfb could not be started (" + xvfb_.errorString().toStdString() + ")";
    QByteArray number;
    pollUntil(15000, [&] {
        xvfb_.waitForReadyRead(PollMs);
        number += xvfb_.readAllStandardOutput();
        return number.contains('\n') || xvfb_.state() == QProcess::NotRunning;
    });
    if (!number.contains('\n')) {
        stop();
        return "Xvfb did not start an X server: " + report();
    }
    display_ = ":" + QString::fromLatin1(number.trimmed());

    // openbox announces itself on the root window early in its start-up, before it manages
    // new windows; a window mapped in between is never shown. Its start-up command runs
    // once it is ready.
    const QString ready = startupFolder_.filePath("openbox-ready");
    windowManager_.setProcessEnvironment(environment());
    windowManager_.setStandardErrorFile(startupFolder_.filePath("openbox.log"));
    windowManager_.start("openbox", {"--sm-disable", "--startup", "touch '" + ready + "'"});
    if (!windowManager_.waitForStarted(5000)) {
        stop();
        return "openbox could not be started";
    }
    if (!pollUntil(15000, [&] { return QFile::exists(ready) || windowManager_.state() == QProcess::NotRunning; }) ||
        !QFile::exists(ready)) {
        stop();
        return "openbox did not take over the X display: " + report();
    }
    return {};
}

void XDesktop::stop() {
    stopProcess(windowManager_);
    stopProcess(xvfb_);
}

std::string XDesktop::report() const {
    const auto messages = [this](const char* log) {
        QFile file(startupFolder_.filePath(log));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toStdString() : std::string("(none)");
    };
    return "Xvfb said: " + messages("xvfb.log") + "\nopenbox said: " + messages("openbox.log") + "\n";
}

QProcessEnvironment XDesktop::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_);
    if (!schemeConfig_.isEmpty()) {
        environment.insert("QT_QPA_PLATFORMTHEME", "qt6ct");
        environment.insert("XDG_CONFIG_HOME", schemeConfig_);
    }
    return environment;
}

bool XDesktop::useColourScheme(const QString& schemeFile) {
    if (QStandardPaths::findExecutable("qt6ct").isEmpty()) return false;
    static int serial = 0;
    schemeConfig_ = startupFolder_.filePath("scheme-" + QString::number(++serial));
    QDir().mkpath(schemeConfig_ + "/qt6ct");
    return changeColourScheme(schemeFile);
}

bool XDesktop::changeColourScheme(const QString& schemeFile) {
    if (schemeConfig_.isEmpty()) return false;
    // Written aside and renamed into place, as settings panels save: qt6ct watches its folder.
    QSaveFile settings(schemeConfig_ + "/qt6ct/qt6ct.conf");
    if (!settings.open(QIODevice::WriteOnly)) return false;
    settings.write(QString("[Appearance]\ncolor_scheme_path=%1\ncustom_palette=%2\nstyle=Fusion\n")
                       .arg(schemeFile, schemeFile.isEmpty() ? "false" : "true")
                       .toUtf8());
    return settings.commit();
}

QSize XDesktop::screenSize() const {
    const QRect root = clientRect(0);
    return root.size();
}

QString XDesktop::run(const QString& program, const QStringList& arguments, int timeoutMs) const {
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished(1000);
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

qulonglong XDesktop::waitForWindow(const QString& title, int timeoutMs) const {
    qulonglong window = 0;
    pollUntil(timeoutMs, [&] {
        const QString found = run("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"});
        window = found.section('\n', 0, 0).toULongLong();
        return window != 0;
    });
    return window;
}

bool XDesktop::waitForWindowGone(const QString& title, int timeoutMs) const {
    const QStringList search{"search", "--onlyvisible", "--name", "^" + title + "$"};
    return pollUntil(timeoutMs, [&] { return run("xdotool", search).isEmpty(); });
}

QRect XDesktop::clientRect(qulonglong window) const {
    const QStringList target = window == 0 ? QStringList{"-root"} : QStringList{"-id", QString::number(window)};
    const QString info = run("xwininfo", target);
    const auto number = [&](const char* label) {
        const QRegularExpression pattern(QString(label) + R"(:\s*(-?\d+))");
        return pattern.match(info).captured(1).toInt();
    };
    return {number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"), number("Height")};
}

QString XDesktop::property(qulonglong window, const QString& name) const {
    const QString value = run("xprop", {"-id", QString::number(window), name});
    return value.contains("not found") || value.contains("no such atom") ? QString() : value;
}

std::vector<qulonglong> XDesktop::stackingOrder() const {
    std::vector<qulonglong> windows;
    const QString list = run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}).section('#', 1);
    for (const QString& id : list.split(',', Qt::SkipEmptyParts))
        windows.push_back(id.trimmed().toULongLong(nullptr, 16));
    return windows;
}

qulonglong XDesktop::waitForActiveWindow(qulonglong expected, int timeoutMs) const {
    qulonglong active = 0;
    pollUntil(timeoutMs, [&] {
        active = run("xdotool", {"getactivewindow"}).toULongLong();
        return active == expected;
    });
    return active;
}

QImage XDesktop::screenshot(const QString& path) const {
    QTemporaryDir folder;
    const QString file = path.isEmpty() ? folder.filePath("screen.png") : path;
    run("import", {"-window", "root", file});
    return QImage(file);
}

bool XDesktop::waitForPixels(const std::vector<QPoint>& points, QColor colour, int timeoutMs) const {
    return pollUntil(timeoutMs, [&] {
        const QImage screen = screenshot();
        return std::all_of(points.begin(), points.end(),
                           [&](QPoint point) { return screen.pixelColor(point) == colour; });
    });
}

void XDesktop::click(qulonglong window, QPoint clientPoint) const {
    run("xdotool", {"mousemove", "--window", QString::number(window), QString::number(clientPoint.x()),
                    QString::number(clientPoint.y()), "click", "1"});
}

void XDesktop::type(const QString& text) const { run("xdotool", {"type", "--delay", "20", text}); }

void XDesktop::keys(const QStringList& keys) const { run("xdotool", QStringList{"key"} + keys); }

void XDesktop::closeWindow(qulonglong window) const {
    // A _NET_CLOSE_WINDOW request names its window, so it does not depend on where the
    // keyboard focus is, as Alt+F4 does.
    run("wmctrl", {"-i", "-c", QString::number(window)});
}

}  // namespace tarnivo::testing

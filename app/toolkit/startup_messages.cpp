// SPDX-License-Identifier: MIT
#include "app/toolkit/startup_messages.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace tarnivo::tk {

void StartupMessages::hold(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type != QtFatalMsg) {
        held.emplace_back(type, message);
        return;
    }
    std::fputs("Tarnivo needs a graphical display (an X11 or Wayland desktop), and none could be opened.\n", stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

void StartupMessages::release() {
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : held) qt_message_output(type, QMessageLogContext(), message);
    held.clear();
}

std::unique_ptr<QApplication> StartupMessages::openApplication(int& argc, char** argv) {
    previous = qInstallMessageHandler(hold);
    auto application = std::make_unique<QApplication>(argc, argv);
    release();
    return application;
}

}  // namespace tarnivo::tk

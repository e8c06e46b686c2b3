// SPDX-License-Identifier: MIT
#include "app/toolkit/startup_messages.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/toolkit/languages.h"

namespace tarnivo::tk {

void StartupMessages::hold(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type != QtFatalMsg) {
        held.emplace_back(type, message);
        return;
    }
    const QString sentence =
        Languages::text("Application", QT_TRANSLATE_NOOP("Application",
                                                         "Tarnivo needs a graphical display (an X11 or Wayland "
                                                         "desktop), and none could be opened."));
    std::fputs((sentence + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

void StartupMessages::release() {
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : held) qt_message_output(type, QMessageLogContext(), message);
    held.clear();
}

std::unique_ptr<QApplication> StartupMessages::openApplication(int& argc, char** argv) {
    // The language is chosen first, so that even the no-display sentence is in it.
    Languages::use(Languages::chosen());
    previous = qInstallMessageHandler(hold);
    auto application = std::make_unique<QApplication>(argc, argv);
    release();
    Languages::install();
    return application;
}

}  // namespace tarnivo::tk

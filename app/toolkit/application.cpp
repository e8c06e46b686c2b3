// SPDX-License-Identifier: MIT
#include "app/toolkit/application.h"

#include <fontconfig/fontconfig.h>
#include <QApplication>

#include "app/toolkit/accessible_changes.h"
#include "app/toolkit/accessible_container.h"
#include "app/toolkit/font_probe_messages.h"
#include "app/toolkit/forms.h"
#include "app/toolkit/keyboard_rules.h"
#include "app/toolkit/startup_messages.h"

namespace tarnivo::tk {

namespace {
// Reading the system's font set-up is the largest part of a start, and the program needs
// it before it can lay out a caption. It is read while the display is being opened.
std::jthread fontSetupReader() {
    return std::jthread([] { FcInit(); });
}
}  // namespace

Application::Application(int& argc, char** argv)
    : fontSetup_(fontSetupReader()), app_(StartupMessages::openApplication(argc, argv)) {
    fontSetup_.join();
    QApplication::setApplicationName("Tarnivo");
    QApplication::setDesktopFileName("org.tarnivo.Tarnivo");
    // The windows end the program themselves, through their slots.
    QApplication::setQuitOnLastWindowClosed(false);
    quietFontProbes();
    AccessibleContainer::installFactory();
    AccessibleChanges::listen();
    qApp->installEventFilter(new KeyboardRules(qApp));
}

Application::~Application() { Forms::reset(); }

int Application::run() {
    if (Forms::ended() || Forms::loadedCount() == 0) return Forms::exitCode();
    const int status = QApplication::exec();
    Forms::collectGarbage();
    return Forms::ended() ? Forms::exitCode() : status;
}

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#include "app/toolkit/application.h"

#include <QApplication>

#include "app/toolkit/accessible_changes.h"
#include "app/toolkit/accessible_container.h"
#include "app/toolkit/font_probe_messages.h"
#include "app/toolkit/forms.h"
#include "app/toolkit/keyboard_rules.h"
#include "app/toolkit/startup_messages.h"

namespace tarnivo::tk {

Application::Application(int& argc, char** argv) : app_(StartupMessages::openApplication(argc, argv)) {
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

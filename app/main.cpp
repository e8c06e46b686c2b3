// SPDX-License-Identifier: MIT
// Start-up: the program takes no command line of its own; it loads the start-up window,
// shows it and runs until the last window is gone.
#include "app/toolkit/application.h"
#include "app/toolkit/dispatch.h"
#include "app/toolkit/forms.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    tarnivo::tk::Application application(argc, argv);
    tarnivo::tk::dispatch([] { tarnivo::showStartupWindow(); });
    return application.run();
}

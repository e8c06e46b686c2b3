// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <thread>

class QApplication;

namespace tarnivo::tk {

// The program's run time: creates the Qt application, installs the keyboard rules of the
// windows, and runs the event loop.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the event loop until the program ends; returns its exit status.
    int run();

private:
    std::jthread fontSetup_;  // declared first: it runs while the application is made
    std::unique_ptr<QApplication> app_;
};

}  // namespace tarnivo::tk

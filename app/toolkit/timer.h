// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

class QTimer;

namespace tarnivo::tk {

class Window;

// Raises Timer at its design interval while its window is loaded.
class Timer {
public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::function<void()> onTimer;

    void place(Window& window, int intervalMs, bool enabled = true);
    void stop();

private:
    friend class TimerProbe;  // tests read the interval and whether it runs
    std::unique_ptr<QTimer> timer_;
};

}  // namespace tarnivo::tk

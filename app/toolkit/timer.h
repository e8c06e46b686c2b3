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
    [[nodiscard]] bool running() const;
    [[nodiscard]] int interval() const;
    void stop();

private:
    std::unique_ptr<QTimer> timer_;
};

}  // namespace tarnivo::tk

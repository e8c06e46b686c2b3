// SPDX-License-Identifier: MIT
#include "app/toolkit/timer.h"

#include <QTimer>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/window.h"

namespace tarnivo::tk {

Timer::Timer() : timer_(std::make_unique<QTimer>()) {
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        dispatch([this] {
            if (onTimer) onTimer();
        });
    });
}

Timer::~Timer() = default;

void Timer::place(Window& window, int intervalMs, bool enabled) {
    window.registerTimer(*this);
    timer_->setInterval(intervalMs);
    if (enabled) timer_->start();
}

void Timer::stop() { timer_->stop(); }

}  // namespace tarnivo::tk

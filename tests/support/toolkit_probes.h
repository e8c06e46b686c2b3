// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <typeinfo>

#include "app/toolkit/forms.h"
#include "app/toolkit/frame.h"
#include "app/toolkit/label.h"
#include "app/toolkit/timer.h"

namespace tarnivo::tk {

// What the tests read of the window slots that the program itself never asks.
class FormsProbe {
public:
    // The loaded instance of W, or null; unlike Forms::get, never loads it.
    template <class W>
    static W* find() {
        return static_cast<W*>(Forms::lookup(typeid(W)));
    }
    template <class W>
    static bool isLoaded() {
        return find<W>() != nullptr;
    }
};

// A timer's state, which a user only sees by waiting for its ticks.
class TimerProbe {
public:
    static bool running(const Timer& timer) { return timer.timer_->isActive(); }
    static int interval(const Timer& timer) { return timer.timer_->interval(); }
};

// A label's caption as it is drawn, shrunk or cut to fit.
class LabelProbe {
public:
    static FittedText drawnCaption(const Label& label) { return label.drawnCaption(); }
};

// A frame's caption as it is drawn, shrunk to fit.
class FrameProbe {
public:
    static FittedText drawnCaption(const Frame& frame) { return frame.drawnCaption(); }
};

}  // namespace tarnivo::tk

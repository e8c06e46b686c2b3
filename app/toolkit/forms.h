// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <typeindex>

#include "app/toolkit/window.h"

namespace tarnivo::tk {

// The window slots: at most one instance of each window class, created and loaded on
// first use and emptied by unload. When the last window goes, the program ends.
class Forms {
public:
    // The loaded instance of W; loads it (running Form_Load to completion) if needed.
    template <class W>
    static W& get() {
        if (auto* loaded = static_cast<W*>(lookup(typeid(W)))) return *loaded;
        auto created = std::make_unique<W>();
        W& window = *created;
        adopt(typeid(W), std::move(created));
        window.Form_Load();
        return window;
    }
    // Hides the window, stops its timers and empties its slot. The object itself is
    // destroyed once the current event has been handled, so a window may unload itself.
    static void unload(Window& window);
    // Ends the program at once: every window closes without further events.
    static void end(int exitCode = 0);

    [[nodiscard]] static bool ended();
    [[nodiscard]] static int exitCode();
    [[nodiscard]] static int loadedCount();
    // Destroys windows that were unloaded earlier (later, while a KeepUnloadedWindows lives).
    static void collectGarbage();

    // While one lives, unloaded windows are not destroyed: a handler that waits in a local
    // event loop (printing asks the print server so) keeps its window, even when the user
    // closes it meanwhile. They go once the last one has gone.
    class KeepUnloadedWindows {
    public:
        KeepUnloadedWindows();
        ~KeepUnloadedWindows();
        KeepUnloadedWindows(const KeepUnloadedWindows&) = delete;
        KeepUnloadedWindows& operator=(const KeepUnloadedWindows&) = delete;
    };
    // Empties every slot and forgets that the program ended, so that tests can start afresh.
    static void reset();

private:
    friend class FormsProbe;  // tests look into the slots
    static void adopt(std::type_index type, std::unique_ptr<Window> window);
    static Window* lookup(std::type_index type);
    // Stops the window's timers and hides it for good.
    static void retire(Window& window);
};

}  // namespace tarnivo::tk

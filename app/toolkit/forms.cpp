// SPDX-License-Identifier: MIT
#include "app/toolkit/forms.h"

#include <QCoreApplication>
#include <QTimer>
#include <map>
#include <vector>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/timer.h"

namespace tarnivo::tk {

namespace {
struct State {
    std::map<std::type_index, std::unique_ptr<Window>> loaded;
    std::vector<std::unique_ptr<Window>> unloaded;  // destroyed after the current event
    bool ended = false;
    int exitCode = 0;
    bool collectionScheduled = false;
    int keepers = 0;  // KeepUnloadedWindows alive
};

State& state() {
    static State instance = [] {
        // A fatal error in any handler ends the program through the slots.
        setProgramEnd({[] { return Forms::ended(); }, [](int exitCode) { Forms::end(exitCode); }});
        return State{};
    }();
    return instance;
}

void scheduleCollection() {
    State& s = state();
    if (s.collectionScheduled || QCoreApplication::instance() == nullptr) return;
    s.collectionScheduled = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] { Forms::collectGarbage(); });
}

std::unique_ptr<Window> release(Window& window) {
    State& s = state();
    for (auto it = s.loaded.begin(); it != s.loaded.end(); ++it) {
        if (it->second.get() == &window) {
            auto owned = std::move(it->second);
            s.loaded.erase(it);
            return owned;
        }
    }
    return nullptr;
}
}  // namespace

void Forms::adopt(std::type_index type, std::unique_ptr<Window> window) { state().loaded[type] = std::move(window); }

Window* Forms::lookup(std::type_index type) {
    auto& loaded = state().loaded;
    const auto found = loaded.find(type);
    return found == loaded.end() ? nullptr : found->second.get();
}

void Forms::unload(Window& window) {
    auto owned = release(window);
    if (!owned) return;
    retire(*owned);
    state().unloaded.push_back(std::move(owned));
    scheduleCollection();
    if (state().loaded.empty()) {
        end(0);
        return;
    }
    // The desktop may not pass the keyboard on by itself; the program's next window takes it.
    for (auto& [type, remaining] : state().loaded) {
        if (remaining->visible()) {
            remaining->activate();
            break;
        }
    }
}

void Forms::end(int exitCode) {
    State& s = state();
    if (!s.ended) {
        s.ended = true;
        s.exitCode = exitCode;
    }
    while (!s.loaded.empty()) {
        auto owned = std::move(s.loaded.begin()->second);
        s.loaded.erase(s.loaded.begin());
        retire(*owned);
        s.unloaded.push_back(std::move(owned));
    }
    scheduleCollection();
    if (QCoreApplication::instance() != nullptr) QCoreApplication::exit(s.exitCode);
}

void Forms::retire(Window& window) {
    for (Timer* timer : window.timers_) timer->stop();
    window.markUnloaded();
}

bool Forms::ended() { return state().ended; }
int Forms::exitCode() { return state().exitCode; }
int Forms::loadedCount() { return static_cast<int>(state().loaded.size()); }

void Forms::collectGarbage() {
    State& s = state();
    s.collectionScheduled = false;
    if (s.keepers > 0) return;  // the last keeper schedules it again
    // Destroying a window may not unload another, but take the list first all the same.
    auto doomed = std::move(s.unloaded);
    s.unloaded.clear();
    doomed.clear();
}

Forms::KeepUnloadedWindows::KeepUnloadedWindows() { ++state().keepers; }

Forms::KeepUnloadedWindows::~KeepUnloadedWindows() {
    State& s = state();
    if (--s.keepers == 0 && !s.unloaded.empty()) scheduleCollection();
}

void Forms::reset() {
    State& s = state();
    for (auto& [type, window] : s.loaded) retire(*window);
    s.loaded.clear();
    collectGarbage();
    s.ended = false;
    s.exitCode = 0;
}

}  // namespace tarnivo::tk

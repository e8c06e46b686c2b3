// SPDX-License-Identifier: MIT
#include "app/toolkit/announcer_registry.h"

#include <QAccessible>
#include <QObject>
#include <QWidget>
#include <map>

#include "app/toolkit/announcer.h"
#include "app/toolkit/qt_bridge.h"
#include "app/toolkit/window.h"

namespace tarnivo::tk {

namespace {
// Each window's entry on the accessibility bus.
std::map<const Window*, unsigned>& registered() {
    static std::map<const Window*, unsigned> ids;
    return ids;
}
}  // namespace

Announcer* AnnouncerRegistry::of(const Window& window) {
    auto& ids = registered();
    auto found = ids.find(&window);
    if (found == ids.end()) {
        if (Announcer::liveControls(window).empty()) return nullptr;
        const unsigned id = QAccessible::registerAccessibleInterface(new Announcer(window));
        found = ids.emplace(&window, id).first;
        QObject::connect(window.surface(), &QObject::destroyed, [key = &window] {
            const auto gone = registered().find(key);
            if (gone == registered().end()) return;
            QAccessible::deleteAccessibleInterface(gone->second);
            registered().erase(gone);
        });
    }
    return static_cast<Announcer*>(QAccessible::accessibleInterface(found->second));
}

void AnnouncerRegistry::changed(const Control& control) {
    const Window* window = control.window();
    // Nothing is announced while the window is being built, hidden or waiting behind another.
    if (window == nullptr || !control.shownOnScreen() || !control.usable() || !QAccessible::isActive()) return;
    if (Announcer* announcer = of(*window)) announcer->queue(control);
}

void AnnouncerRegistry::say(const Window& window, const std::string& words) {
    if (!window.visible() || !window.enabled() || !QAccessible::isActive()) return;
    if (Announcer* announcer = of(window)) announcer->say(toQString(words));
}

}  // namespace tarnivo::tk

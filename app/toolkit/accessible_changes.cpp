// SPDX-License-Identifier: MIT
#include "app/toolkit/accessible_changes.h"

#include <QAccessible>

#include "app/toolkit/accessible_painted_control.h"
#include "app/toolkit/announcer_registry.h"

namespace tarnivo::tk {

void AccessibleChanges::listen() { Control::setListener(&AccessibleChanges::changed); }

void AccessibleChanges::changed(const Control& control, ControlChange change) {
    const bool live = !control.design().announceAs.empty();
    switch (change) {
        case ControlChange::Shown: AccessiblePaintedControl::notify(control, QAccessible::ObjectShow); break;
        case ControlChange::Hidden: AccessiblePaintedControl::notify(control, QAccessible::ObjectHide); break;
        case ControlChange::TextChanged:
            AccessiblePaintedControl::notify(control, QAccessible::NameChanged);
            if (live) AnnouncerRegistry::changed(control);
            break;
        case ControlChange::ValueSetAgain:
        case ControlChange::Marked:
            if (live) AnnouncerRegistry::changed(control);
            break;
        case ControlChange::Destroyed: AccessiblePaintedControl::forget(control); break;
    }
}

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#include "app/toolkit/accessible_painted_control.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "app/toolkit/control.h"
#include "app/toolkit/label.h"
#include "app/toolkit/line.h"
#include "app/toolkit/painted_names.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

QAccessibleInterface* AccessiblePaintedControl::of(const Control& control) {
    if (!readByScreenReader(control)) return nullptr;
    if (control.accessibleId_ == 0)
        control.accessibleId_ = QAccessible::registerAccessibleInterface(new AccessiblePaintedControl(control));
    return QAccessible::accessibleInterface(control.accessibleId_);
}

void AccessiblePaintedControl::notify(const Control& control, QAccessible::Event event) {
    if (!QAccessible::isActive()) return;
    if (QAccessibleInterface* iface = of(control)) {
        QAccessibleEvent change(iface, event);
        QAccessible::updateAccessibility(&change);
    }
}

void AccessiblePaintedControl::forget(const Control& control) {
    if (control.accessibleId_ == 0) return;
    QAccessible::deleteAccessibleInterface(control.accessibleId_);
    control.accessibleId_ = 0;
}

QWindow* AccessiblePaintedControl::window() const {
    const QWidget* surface = control_.container()->surface();
    return surface->window()->windowHandle();
}

QAccessibleInterface* AccessiblePaintedControl::parent() const {
    return QAccessible::queryAccessibleInterface(control_.container()->surface());
}

QString AccessiblePaintedControl::text(QAccessible::Text kind) const {
    return kind == QAccessible::Name ? spokenName(control_) : QString();
}

QRect AccessiblePaintedControl::rect() const {
    QRect box = toQRect(control_.left(), control_.top(), control_.width(), control_.height());
    if (const auto* line = dynamic_cast<const Line*>(&control_)) {
        // A line's box is the square around its ends, as thick as the line is drawn.
        const int pen = std::max(1, line->design().lineWidth);
        const QPoint a(toPixels(line->x1()), toPixels(line->y1()));
        const QPoint b(toPixels(line->x2()), toPixels(line->y2()));
        box = QRect(a, b).normalized().adjusted(0, -pen / 2, 0, pen - pen / 2);
    }
    const QWidget* surface = control_.container()->surface();
    return {surface->mapToGlobal(box.topLeft()), box.size()};
}

QAccessible::Role AccessiblePaintedControl::role() const {
    if (dynamic_cast<const Label*>(&control_) != nullptr) return QAccessible::StaticText;
    if (dynamic_cast<const Line*>(&control_) != nullptr) return QAccessible::Separator;
    return QAccessible::Graphic;
}

QAccessible::State AccessiblePaintedControl::state() const {
    QAccessible::State state;
    state.invisible = !control_.shownOnScreen();
    state.disabled = !control_.usable();
    state.readOnly = true;
    return state;
}

// A caption names its box: a screen reader then reads it with the box, not as text of the window.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>> AccessiblePaintedControl::relations(
    QAccessible::Relation match) const {
    const Control* box = control_.container()->boxNamedBy(control_);
    if ((match & QAccessible::Labelled) == 0 || box == nullptr || box->widget() == nullptr) return {};
    QAccessibleInterface* named = QAccessible::queryAccessibleInterface(box->widget());
    if (named == nullptr) return {};
    return {{named, QAccessible::Labelled}};
}

}  // namespace tarnivo::tk

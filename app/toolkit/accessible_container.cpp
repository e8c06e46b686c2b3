// SPDX-License-Identifier: MIT
#include "app/toolkit/accessible_container.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "app/toolkit/accessible_painted_control.h"
#include "app/toolkit/announcer.h"
#include "app/toolkit/announcer_registry.h"
#include "app/toolkit/control.h"
#include "app/toolkit/window.h"

namespace tarnivo::tk {

namespace {
QAccessibleInterface* containerFactory(const QString& /*className*/, QObject* object) {
    auto* surface = qobject_cast<QWidget*>(object);
    const Container* container = Container::ofSurface(surface);
    if (container == nullptr) return nullptr;
    QAccessible::Role role = QAccessible::Grouping;
    if (const auto* window = dynamic_cast<const Window*>(container))
        role = window->design().dialog ? QAccessible::Dialog : QAccessible::Window;
    return new AccessibleContainer(surface, *container, role);
}
}  // namespace

AccessibleContainer::AccessibleContainer(QWidget* surface, const Container& container, QAccessible::Role role)
    : QAccessibleWidget(surface, role), container_(container) {}

void AccessibleContainer::installFactory() { QAccessible::installFactory(containerFactory); }

// A window belongs to the application even when it is the transient child of another.
QAccessibleInterface* AccessibleContainer::parent() const {
    if (widget()->isWindow()) return QAccessible::queryAccessibleInterface(qApp);
    return QAccessibleWidget::parent();
}

std::vector<QAccessibleInterface*> AccessibleContainer::children() const {
    std::vector<QAccessibleInterface*> result;
    for (const Control* control : container_.readingOrder()) {
        QAccessibleInterface* child = control->widget() != nullptr
                                          ? QAccessible::queryAccessibleInterface(control->widget())
                                          : AccessiblePaintedControl::of(*control);
        if (child != nullptr) result.push_back(child);
    }
    if (const auto* window = dynamic_cast<const Window*>(&container_)) {
        if (Announcer* announcer = AnnouncerRegistry::of(*window)) result.push_back(announcer);
    }
    return result;
}

int AccessibleContainer::childCount() const { return static_cast<int>(children().size()); }

QAccessibleInterface* AccessibleContainer::child(int index) const {
    const auto all = children();
    return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)] : nullptr;
}

int AccessibleContainer::indexOfChild(const QAccessibleInterface* child) const {
    const auto all = children();
    const auto found = std::find(all.begin(), all.end(), child);
    return found != all.end() ? static_cast<int>(found - all.begin()) : -1;
}

}  // namespace tarnivo::tk

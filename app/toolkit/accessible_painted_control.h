// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>

#include "app/toolkit/accessible_leaf.h"

namespace tarnivo::tk {

class Control;

// A painted control (label, picture, line) as a screen reader sees it: it has no widget
// of its own, so its container offers it as a child. Labels read their caption; pictures
// and lines are on the bus only when the layout gives them a name.
class AccessiblePaintedControl : public AccessibleLeaf {
public:
    explicit AccessiblePaintedControl(const Control& control) : control_(control) {}

    // The control's interface, registered on first use; null for controls off the bus.
    static QAccessibleInterface* of(const Control& control);
    // Tells a listening screen reader about a change; nothing happens while none listens.
    static void notify(const Control& control, QAccessible::Event event);
    // Takes the control off the bus, before it goes.
    static void forget(const Control& control);

    [[nodiscard]] QWindow* window() const override;
    [[nodiscard]] QAccessibleInterface* parent() const override;
    [[nodiscard]] QString text(QAccessible::Text kind) const override;
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override;

private:
    const Control& control_;
};

}  // namespace tarnivo::tk

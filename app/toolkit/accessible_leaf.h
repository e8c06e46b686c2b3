// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>

namespace tarnivo::tk {

// A screen reader's view of something with no widget and no children of its own, such as a
// painted label or the window's notification line; its owner keeps it alive while it is on the bus.
class AccessibleLeaf : public QAccessibleInterface {
public:
    [[nodiscard]] bool isValid() const override { return true; }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
};

}  // namespace tarnivo::tk

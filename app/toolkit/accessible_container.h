// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <vector>

namespace tarnivo::tk {

class Container;

// A window or a frame as a screen reader sees it: a main window, a dialog or a group,
// whose children are its widget controls and its painted controls, in reading order.
class AccessibleContainer : public QAccessibleWidget {
public:
    AccessibleContainer(QWidget* surface, const Container& container, QAccessible::Role role);

    // Makes the accessibility bus see the program's windows and frames through this class.
    static void installFactory();

    [[nodiscard]] QAccessibleInterface* parent() const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;

private:
    [[nodiscard]] std::vector<QAccessibleInterface*> children() const;
    const Container& container_;
};

}  // namespace tarnivo::tk

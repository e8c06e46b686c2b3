// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>
#include <vector>

#include "app/toolkit/accessible_leaf.h"

namespace tarnivo::tk {

class Control;
class Window;

// What a screen reader speaks when a live control of a window changes (a control whose
// layout row says what to announce it as): one line per event, in reading order, such as
// "Right 1, Total 2, Grade 50%". On the bus it is the window's last child, a notification
// that shows itself with each new line, which screen readers speak wherever the focus is.
class Announcer : public AccessibleLeaf {
public:
    explicit Announcer(const Window& window) : window_(window) {}

    // The control's new value is announced once the current event is done.
    void queue(const Control& control);
    // Ends the line announced once the current event is done with the window's own words.
    void say(const QString& words);
    // The controls whose changes are announced, in reading order.
    [[nodiscard]] static std::vector<const Control*> liveControls(const Window& window);

    [[nodiscard]] QWindow* window() const override;
    [[nodiscard]] QAccessibleInterface* parent() const override;
    [[nodiscard]] QString text(QAccessible::Text kind) const override;
    [[nodiscard]] QRect rect() const override { return {}; }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Notification; }
    [[nodiscard]] QAccessible::State state() const override;

private:
    struct Pending {
        const Control* control;
        QString value;  // what it said when it changed, for a control hidden since
    };
    void schedule();
    void announce();
    const Window& window_;
    std::vector<Pending> pending_;
    QStringList words_;
    bool scheduled_ = false;
    QString line_;
};

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#include "app/toolkit/announcer.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "app/toolkit/frame.h"
#include "app/toolkit/label.h"
#include "app/toolkit/qt_bridge.h"
#include "app/toolkit/window.h"

namespace tarnivo::tk {

namespace {
// What the control says now: a label its caption, a frame the phrase inside it, a box
// what it was marked.
QString valueOf(const Control& control) {
    if (const auto* label = dynamic_cast<const Label*>(&control)) return toQString(label->caption()).trimmed();
    if (const auto* frame = dynamic_cast<const Frame*>(&control)) return toQString(frame->phrase());
    return control.widget() != nullptr ? control.widget()->accessibleDescription() : QString();
}
}  // namespace

std::vector<const Control*> Announcer::liveControls(const Window& window) {
    std::vector<const Control*> live;
    const auto visit = [&live](const Container& container, const auto& self) -> void {
        for (const Control* control : container.readingOrder()) {
            if (!control->design().announceAs.empty()) live.push_back(control);
            if (const auto* frame = dynamic_cast<const Frame*>(control)) self(*frame, self);
        }
    };
    visit(window, visit);
    return live;
}

void Announcer::queue(const Control& control) {
    if (std::find(pending_.begin(), pending_.end(), &control) != pending_.end()) return;
    if (pending_.empty()) QTimer::singleShot(0, window_.surface(), [this] { announce(); });
    pending_.push_back(&control);
}

void Announcer::announce() {
    QStringList parts;
    for (const Control* control : liveControls(window_)) {
        if (std::find(pending_.begin(), pending_.end(), control) == pending_.end() || !control->shownOnScreen())
            continue;
        const QString value = valueOf(*control);
        if (!value.isEmpty()) parts << toQString(control->design().announceAs) + QLatin1Char(' ') + value;
    }
    pending_.clear();
    if (parts.isEmpty()) return;
    line_ = parts.join(QStringLiteral(", "));
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QWindow* Announcer::window() const { return window_.surface()->windowHandle(); }

QAccessibleInterface* Announcer::parent() const { return QAccessible::queryAccessibleInterface(window_.surface()); }

QString Announcer::text(QAccessible::Text kind) const { return kind == QAccessible::Name ? line_ : QString(); }

QAccessible::State Announcer::state() const {
    QAccessible::State state;
    state.readOnly = true;
    return state;
}

}  // namespace tarnivo::tk

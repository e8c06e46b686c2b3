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
    const QString value = valueOf(control);
    const auto found =
        std::find_if(pending_.begin(), pending_.end(), [&control](const Pending& p) { return p.control == &control; });
    if (found != pending_.end()) {
        found->value = value;
        return;
    }
    pending_.push_back({&control, value});
    schedule();
}

void Announcer::say(const QString& words) {
    words_ << words;
    schedule();
}

void Announcer::schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, window_.surface(), [this] { announce(); });
}

// A control hidden since it changed is still news: the last answer's verdicts are heard
// although the end-of-set screen has hidden the boxes by then.
void Announcer::announce() {
    scheduled_ = false;
    QStringList parts;
    for (const Control* control : liveControls(window_)) {
        const auto found = std::find_if(pending_.begin(), pending_.end(),
                                        [control](const Pending& p) { return p.control == control; });
        if (found == pending_.end()) continue;
        const QString value = control->shownOnScreen() ? valueOf(*control) : found->value;
        if (!value.isEmpty()) parts << toQString(control->design().announceAs) + QLatin1Char(' ') + value;
    }
    parts << words_;
    pending_.clear();
    words_.clear();
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

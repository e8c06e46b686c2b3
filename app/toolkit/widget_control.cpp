// SPDX-License-Identifier: MIT
#include "app/toolkit/widget_control.h"

#include <QWidget>

#include "app/runtime/errors.h"
#include "app/toolkit/qt_bridge.h"
#include "app/toolkit/window.h"

namespace tarnivo::tk {

WidgetControl::~WidgetControl() {
    if (widget_ != nullptr) {
        widget_->disconnect();
        delete widget_;
    }
}

void WidgetControl::adoptWidget(QWidget* widget) {
    widget_ = widget;
    widget_->setParent(container()->surface());
    // A frame deleted before a control inside it takes the control's widget along.
    QObject::connect(widget_, &QObject::destroyed, [this] { widget_ = nullptr; });
}

void WidgetControl::setFocus() {
    if (!shownOnScreen() || !usable())
        throw ControlError("the focus cannot move to " + fullName() + " while it is hidden or disabled");
    widget_->setFocus(Qt::OtherFocusReason);
}

void WidgetControl::applyGeometry() {
    if (widget_ != nullptr) widget_->setGeometry(toQRect(left(), top(), width(), height()));
}

void WidgetControl::applyVisible() {
    if (widget_ != nullptr) widget_->setVisible(visible());
}

void WidgetControl::applyEnabled() {
    if (widget_ != nullptr) widget_->setEnabled(enabled());
}

bool WidgetControl::canTakeFocus() const { return widget_ != nullptr && shownOnScreen() && usable(); }

}  // namespace tarnivo::tk

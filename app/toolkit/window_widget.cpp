// SPDX-License-Identifier: MIT
#include "app/toolkit/window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

namespace {
constexpr const char* OwnerProperty = "tarnivoWindow";
}

WindowWidget::WindowWidget(WindowEvents& owner) : owner_(owner) {
    setProperty(OwnerProperty, QVariant::fromValue(static_cast<void*>(&owner)));
    followDesktopScheme(*this);
}

void WindowWidget::followDesktopScheme(QWidget& window) { window.setPalette(focusVisible(QApplication::palette())); }

WindowEvents* WindowWidget::windowOf(const QWidget* widget) {
    if (widget == nullptr) return nullptr;
    const QWidget* top = widget->window();
    const QVariant owner = top->property(OwnerProperty);
    return owner.isValid() ? static_cast<WindowEvents*>(owner.value<void*>()) : nullptr;
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) owner_.activated();
    // The desktop's scheme changed while the program runs.
    if (event->type() == QEvent::ApplicationPaletteChange) followDesktopScheme(*this);
    return QWidget::event(event);
}

void WindowWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Qt clips to the exposed region anyway; saying so lets a caption outside it skip its layout.
    painter.setClipRegion(event->region());
    owner_.paintClient(painter);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // The window decides for itself; Qt never closes it behind the program's back.
    event->ignore();
    if (!owner_.unloaded()) dispatch([this] { owner_.closeRequested(); });
}

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#include "app/toolkit/window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "app/toolkit/frame.h"
#include "app/toolkit/qt_bridge.h"
#include "app/toolkit/tab_order.h"
#include "app/toolkit/translation.h"
#include "app/toolkit/window_widget.h"

namespace tarnivo::tk {

Window::Window(const WindowDesign& design)
    : design_(design),
      widget_(std::make_unique<WindowWidget>(*this)),
      caption_(translated(design.translationContext, design.caption)),
      backColor_(design.backColor) {
    Qt::WindowFlags flags = Qt::Window;
    if (design.borderless) flags |= Qt::FramelessWindowHint;
    // A tool window keeps out of the taskbar.
    if (!design.showInTaskbar) flags |= Qt::Tool;
    markSurface(*widget_);
    widget_->setWindowFlags(flags);
    widget_->setWindowTitle(toQString(caption_));
    widget_->resize(toPixels(design.clientWidth), toPixels(design.clientHeight));
    if (!design.icon.empty()) widget_->setWindowIcon(QIcon(QPixmap::fromImage(readPng(design.icon))));
}

Window::~Window() {
    if (owner_ != nullptr) owner_->owned_ = nullptr;
    if (owned_ != nullptr) owned_->owner_ = nullptr;
    // Controls are members of the derived class and are gone by now; their widgets
    // are children of widget_ and go with it.
    widget_.reset();
}

void Window::setCaption(std::string_view caption) {
    caption_ = caption;
    widget_->setWindowTitle(toQString(caption_));
}

void Window::setBackColor(Colour colour) {
    backColor_ = colour;
    widget_->update();
}

void Window::setEnabled(bool enabled) {
    enabled_ = enabled;
    widget_->setEnabled(enabled);
    // A window shown while disabled had nowhere to put the focus; it goes to the first stop now.
    if (enabled && visible_ && focusedControl() == nullptr) focusFirstStop();
}

void Window::focusFirstStop() {
    const auto stops = tabStops();
    if (!stops.empty()) placeFocus(*stops.front(), Qt::TabFocusReason);
}

void Window::activate() {
    if (!visible_) return;
    widget_->raise();
    widget_->activateWindow();
}

void Window::setVisible(bool visible) {
    if (visible) {
        show();
        return;
    }
    visible_ = false;
    widget_->hide();
}

void Window::show() {
    visible_ = true;
    if (!shownBefore_) {
        shownBefore_ = true;
        for (Control* control : allControls()) {
            if (auto* frame = dynamic_cast<Frame*>(control)) frame->stackControls();
        }
        stackControls();
        if (owner_ != nullptr) becomeOwned();
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            widget_->move(area.center() - QPoint(widget_->width() / 2, widget_->height() / 2));
        }
        focusFirstStop();
    }
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void Window::setOwner(Window& owner) {
    owner_ = &owner;
    owner.owned_ = this;
}

void Window::activated() {
    // Window managers differ in whether a click on the owner activates it or its owned window;
    // the keyboard belongs in front either way.
    Window* owned = owned_;
    if (owned == nullptr || !owned->visible_ || owned->unloaded_) return;
    QTimer::singleShot(0, owned->widget_.get(), [owned] { owned->activate(); });
}

void Window::becomeOwned() {
    // The native windows exist from here on; the desktop learns the owner when the window maps.
    owner_->widget_->winId();
    widget_->winId();
    widget_->windowHandle()->setTransientParent(owner_->widget_->windowHandle());
}

QWidget* Window::surface() const { return widget_.get(); }

std::vector<Control*> Window::allControls() const {
    std::vector<Control*> result;
    std::vector<const Container*> pending{this};
    while (!pending.empty()) {
        const Container* container = pending.back();
        pending.pop_back();
        for (Control* control : container->controls()) {
            result.push_back(control);
            if (const auto* frame = dynamic_cast<const Frame*>(control)) pending.push_back(frame);
        }
    }
    return result;
}

Control* Window::focusedControl() const {
    const QWidget* focus = widget_->focusWidget();
    if (focus == nullptr) return nullptr;
    for (Control* control : allControls()) {
        if (control->widget() == focus) return control;
    }
    return nullptr;
}

std::vector<Control*> Window::tabStops() const { return TabOrder::stops(allControls()); }

void Window::focusNextControl(bool forward) {
    if (Control* next = TabOrder::next(tabStops(), focusedControl(), forward))
        placeFocus(*next, forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void Window::placeFocus(const Control& control, Qt::FocusReason reason) {
    // Qt draws focus indicators only in a window marked as driven by the keyboard, which it
    // marks by itself only for a real Tab key.
    widget_->setAttribute(Qt::WA_KeyboardFocusChange);
    control.widget()->setFocus(reason);
}

void Window::focusedControlLeaving(const Control& focused) {
    const bool alreadyPending = focusLeftFrom_ != NoFocusLeaving;
    focusLeftFrom_ = focused.tabIndex();
    if (!alreadyPending) QTimer::singleShot(0, widget_.get(), [this] { moveFocusOnFromLeftControl(); });
}

void Window::moveFocusOnFromLeftControl() {
    const int from = focusLeftFrom_;
    focusLeftFrom_ = NoFocusLeaving;
    if (from == NoFocusLeaving || unloaded_) return;
    if (Control* next = TabOrder::after(tabStops(), from)) placeFocus(*next, Qt::TabFocusReason);
}

void Window::giveFocusTo(const Control& control) {
    dropPendingFocusMove();
    placeFocus(control, Qt::OtherFocusReason);
}

void Window::paintClient(QPainter& painter) const {
    painter.fillRect(widget_->rect(), toQColor(backColor_, widget_->palette()));
    paintControls(painter);
}

void Window::markUnloaded() {
    unloaded_ = true;
    visible_ = false;
    widget_->hide();
}

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#include "app/toolkit/control.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <charconv>

#include "app/toolkit/qt_bridge.h"
#include "app/toolkit/translation.h"

namespace tarnivo::tk {

namespace {
ControlListener listener = nullptr;
constexpr const char* ContainerProperty = "tarnivoContainer";
}  // namespace

void Control::setListener(ControlListener hook) { listener = hook; }

void Control::report(ControlChange change) const {
    if (listener != nullptr) listener(*this, change);
}

void Control::place(Container& container, std::string_view name, const Design& design) {
    container_ = &container;
    design_ = translated(container.translationContext(), design);
    const auto open = name.find('(');
    name_ = std::string(name.substr(0, open));
    if (open != std::string_view::npos) {
        const auto digits = name.substr(open + 1);
        std::from_chars(digits.data(), digits.data() + digits.size(), index_);
    }
    left_ = design_.left;
    top_ = design_.top;
    width_ = design_.width;
    height_ = design_.height;
    visible_ = design_.visible;
    enabled_ = design_.enabled;
    container.controls_.push_back(this);
    create(design_);
    applyGeometry();
    applyVisible();
    applyEnabled();
    if (widget() == nullptr) container.paintedTextChanged();
}

Control::~Control() { report(ControlChange::Destroyed); }

std::string Control::fullName() const { return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")"; }

Window* Control::window() const { return container_ != nullptr ? container_->owningWindow() : nullptr; }

void Control::setLeft(float twips) {
    left_ = twips;
    applyGeometry();
}
void Control::setTop(float twips) {
    top_ = twips;
    applyGeometry();
}
void Control::setWidth(float twips) {
    width_ = twips;
    applyGeometry();
}
void Control::setHeight(float twips) {
    height_ = twips;
    applyGeometry();
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    applyVisible();
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    applyEnabled();
}

bool Control::shownOnScreen() const { return visible_ && container_ != nullptr && container_->containerShown(); }
bool Control::usable() const { return enabled_ && container_ != nullptr && container_->containerUsable(); }

// A painted control covers any pixel its old or new extent touches, so the whole
// container is redrawn; containers are small and this keeps moves free of trails.
void Control::applyGeometry() { update(); }
void Control::applyVisible() {
    update();
    report(visible_ ? ControlChange::Shown : ControlChange::Hidden);
}
void Control::applyEnabled() {}

void Control::update() const {
    if (container_ != nullptr && container_->surface() != nullptr) container_->surface()->update();
}

namespace {
// The control's box and a pixel around it, for the rounding of its edges.
QRect ownArea(const Control& control) {
    const PixelRect r = toPixels(control.left(), control.top(), control.width(), control.height());
    return QRect(r.x, r.y, r.w, r.h).adjusted(-1, -1, 1, 1);
}
}  // namespace

void Control::updateOwnArea() const {
    if (container_ != nullptr && container_->surface() != nullptr) container_->surface()->update(ownArea(*this));
}

void Control::repaintNow() const {
    if (container_ != nullptr && container_->surface() != nullptr) container_->surface()->repaint(ownArea(*this));
}

void Control::accessibleTextChanged() const {
    report(ControlChange::TextChanged);
    if (container_ != nullptr) container_->paintedTextChanged();
}

std::vector<const Control*> Container::readingOrder() const {
    std::vector<const Control*> order = readingOrder_;
    std::vector<const Control*> rest;
    for (const Control* control : controls_) {
        if (std::find(order.begin(), order.end(), control) == order.end()) rest.push_back(control);
    }
    // Controls without a tab index (pictures, lines) come after those with one.
    const auto key = [](const Control* c) { return static_cast<unsigned>(c->tabIndex()); };
    std::stable_sort(rest.begin(), rest.end(), [&](const Control* a, const Control* b) { return key(a) < key(b); });
    order.insert(order.end(), rest.begin(), rest.end());
    return order;
}

const Control* Container::boxNamedBy(const Control& caption) const {
    for (const auto& [label, box] : captions_) {
        if (label == &caption) return box;
    }
    return nullptr;
}

const Control* Container::captionOf(const Control& box) const {
    for (const auto& [label, named] : captions_) {
        if (named == &box) return label;
    }
    return nullptr;
}

void Container::stackControls() {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        if (QWidget* w = (*it)->widget()) w->raise();
    }
}

void Container::paintControls(QPainter& painter) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const Control* control = *it;
        // A widget control draws on its container only what stands beside its widget.
        if (control->visible()) {
            painter.save();
            control->paint(painter);
            painter.restore();
        }
    }
}

void Container::markSurface(QWidget& surface) const {
    surface.setProperty(ContainerProperty, QVariant::fromValue(static_cast<const void*>(this)));
    // Qt may have made and kept a plain interface for the widget before it was marked (newer Qt
    // does as soon as a title or a name is set, screen reader or not). Dropping whatever it
    // keeps makes the next request go through the toolkit's factory, whenever Qt first asked.
    if (QAccessibleInterface* early = QAccessible::queryAccessibleInterface(&surface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
}

const Container* Container::ofSurface(const QWidget* surface) {
    const QVariant marked = surface != nullptr ? surface->property(ContainerProperty) : QVariant();
    return marked.isValid() ? static_cast<const Container*>(marked.value<const void*>()) : nullptr;
}

QPalette schemeOf(const Container& container) {
    const QWidget* surface = container.surface();
    return surface != nullptr ? surface->palette() : QApplication::palette();
}

QPalette schemeOnBackground(const Container& container) { return schemeOn(container.backColor(), schemeOf(container)); }

}  // namespace tarnivo::tk

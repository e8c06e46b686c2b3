// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/toolkit/design.h"

class QPainter;
class QWidget;

namespace tarnivo::tk {

class Container;
class Window;

// One control of a window: its design values in twips and its run-time properties.
// Reading a property gives back exactly what was last written; only drawing rounds.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    // Puts the control into its container with its design values. `name` is the
    // control's name, with its index for control arrays: "lblProb(4)".
    void place(Container& container, std::string_view name, const Design& design);

    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] int index() const { return index_; }  // -1 outside control arrays
    [[nodiscard]] std::string fullName() const;
    [[nodiscard]] const Design& design() const { return design_; }

    [[nodiscard]] float left() const { return left_; }
    [[nodiscard]] float top() const { return top_; }
    [[nodiscard]] float width() const { return width_; }
    [[nodiscard]] float height() const { return height_; }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);

    [[nodiscard]] bool visible() const { return visible_; }
    void setVisible(bool visible);
    [[nodiscard]] bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    [[nodiscard]] int tabIndex() const { return design_.tabIndex; }

    [[nodiscard]] Container* container() const { return container_; }
    [[nodiscard]] Window* window() const;

    // Visible and enabled as far as the user is concerned: the control, every frame
    // around it and the window itself.
    [[nodiscard]] bool shownOnScreen() const;
    [[nodiscard]] bool usable() const;

    // Painted controls draw on their container; widget controls return their widget.
    virtual void paint(QPainter& /*painter*/) const {}
    [[nodiscard]] virtual QWidget* widget() const { return nullptr; }
    [[nodiscard]] virtual bool canTakeFocus() const { return false; }

protected:
    virtual void create(const Design& /*design*/) {}
    virtual void applyGeometry();
    virtual void applyVisible();
    virtual void applyEnabled();
    // Asks the container to redraw everything (after a move, a resize, a show or a hide).
    void update() const;
    // Asks the container to redraw just this control's box (after a change inside it).
    void updateOwnArea() const;
    // Redraws this control's box at once, before the caller goes on.
    void repaintNow() const;
    // What a screen reader reads of this painted control has changed.
    void accessibleTextChanged() const;

private:
    friend class AccessiblePaintedControl;
    mutable unsigned accessibleId_ = 0;  // the control's entry on the accessibility bus, 0 before its first use
    std::string name_;
    int index_ = -1;
    Design design_;
    Container* container_ = nullptr;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
};

// A window or a frame: holds controls, paints its labels, pictures and lines and
// stands under its widget controls.
class Container {
public:
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    virtual ~Container() = default;

    [[nodiscard]] const std::vector<Control*>& controls() const { return controls_; }
    [[nodiscard]] virtual QWidget* surface() const = 0;
    [[nodiscard]] virtual Window* owningWindow() = 0;
    // Visible and enabled, together with the containers around this one.
    [[nodiscard]] virtual bool containerShown() const = 0;
    [[nodiscard]] virtual bool containerUsable() const = 0;

    // Puts the widget controls in stacking order: the first placed ends on top.
    void stackControls();
    // Paints the painted controls, the last placed first, so the first is on top.
    void paintControls(QPainter& painter) const;

    // The order in which a screen reader reads the controls: the ones listed here first,
    // then the rest by tab index. A list keeps the tab stops in their tab order.
    void setReadingOrder(std::vector<const Control*> order) { readingOrder_ = std::move(order); }
    [[nodiscard]] std::vector<const Control*> readingOrder() const;
    // The text of a painted control inside has changed.
    virtual void paintedTextChanged() {}

private:
    friend class Control;
    std::vector<Control*> controls_;
    std::vector<const Control*> readingOrder_;
};

// Pixel rectangle of a twips rectangle, as drawing uses it.
struct PixelRect {
    int x, y, w, h;
};
PixelRect toPixels(float left, float top, float width, float height);
int toPixels(float twips);

}  // namespace tarnivo::tk

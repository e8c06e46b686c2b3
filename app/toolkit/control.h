// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/toolkit/container.h"
#include "app/toolkit/design.h"
#include "app/toolkit/twips.h"

class QPainter;
class QPalette;
class QWidget;

namespace tarnivo::tk {

class Control;
class Window;

// What happens to a control that whatever presents it to a screen reader tells the reader.
enum class ControlChange {
    Shown,          // a painted control appeared
    Hidden,         // a painted control went
    TextChanged,    // what a screen reader reads of the control changed
    ValueSetAgain,  // a live control was given the value it had: news all the same to a student who cannot see it
    Marked,         // a box was marked right or wrong
    Destroyed,      // the control is going
};
using ControlListener = void (*)(const Control& control, ControlChange change);

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

    // Who hears what happens to every control; one listener for the program.
    static void setListener(ControlListener listener);

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
    // Tells the listener what happened to this control.
    void report(ControlChange change) const;

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

// The scheme of the container's surface: the desktop's on screen, the light one on paper.
QPalette schemeOf(const Container& container);
// The scheme for text, lines and pictures drawn straight on the container's background.
QPalette schemeOnBackground(const Container& container);

}  // namespace tarnivo::tk

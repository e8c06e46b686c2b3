// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/toolkit/design.h"

class QPainter;
class QWidget;

namespace tarnivo::tk {

class Control;
class Window;

// A window or a frame: holds controls, paints its labels, pictures and lines and
// stands under its widget controls. This is all a control knows of what it stands in.
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
    // The window around this container has been unloaded.
    [[nodiscard]] virtual bool containerUnloaded() const = 0;
    // The colour the painted controls inside stand on.
    [[nodiscard]] virtual Colour backColor() const = 0;
    // Where the texts of the controls inside are looked up in the user's language.
    [[nodiscard]] virtual std::string translationContext() const = 0;

    // The window's focus, as the controls inside see it.
    [[nodiscard]] virtual Control* focusedControl() const = 0;
    // The program moves the focus to the control, overriding a move on that is still pending.
    virtual void giveFocusTo(const Control& control) = 0;
    // The focused control, or a frame around it, is being hidden or disabled.
    virtual void focusedControlLeaving(const Control& focused) = 0;

    // Puts the widget controls in stacking order: the first placed ends on top.
    void stackControls();
    // Paints the painted controls, the last placed first, so the first is on top.
    void paintControls(QPainter& painter) const;

    // The order in which a screen reader reads the controls: the ones listed here first,
    // then the rest by tab index. A list keeps the tab stops in their tab order.
    void setReadingOrder(std::vector<const Control*> order) { readingOrder_ = std::move(order); }
    [[nodiscard]] std::vector<const Control*> readingOrder() const;
    // Each caption beside the box it names, so that a screen reader reads the caption as
    // the box's name and not as loose text of the window: pairs of (caption, box).
    void setCaptions(std::vector<std::pair<const Control*, const Control*>> captions) {
        captions_ = std::move(captions);
    }
    // The box the caption names, or null.
    [[nodiscard]] const Control* boxNamedBy(const Control& caption) const;
    // The caption that names the box, or null.
    [[nodiscard]] const Control* captionOf(const Control& box) const;
    // The text of a painted control inside has changed.
    virtual void paintedTextChanged() {}

    // Marks a widget as the surface of this container, so that what presents the program
    // to a screen reader finds the container behind the widget.
    void markSurface(QWidget& surface) const;
    [[nodiscard]] static const Container* ofSurface(const QWidget* surface);

private:
    friend class Control;
    std::vector<Control*> controls_;
    std::vector<const Control*> readingOrder_;
    std::vector<std::pair<const Control*, const Control*>> captions_;
};

}  // namespace tarnivo::tk

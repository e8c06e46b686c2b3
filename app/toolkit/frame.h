// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <string>

#include "app/toolkit/fitted_text.h"
#include "app/toolkit/widget_control.h"

namespace tarnivo::tk {

class FrameWidget;

// A frame: a captioned border around a group of controls, which move with it, are
// clipped to it and are hidden with it. Frames nest.
class Frame : public WidgetControl, public Container {
public:
    [[nodiscard]] const std::string& caption() const { return design().caption; }

    [[nodiscard]] QWidget* surface() const override { return widget(); }
    Window* owningWindow() override { return window(); }
    [[nodiscard]] bool containerShown() const override { return shownOnScreen(); }
    [[nodiscard]] bool containerUsable() const override { return usable(); }
    [[nodiscard]] bool containerUnloaded() const override { return container()->containerUnloaded(); }
    [[nodiscard]] std::string translationContext() const override { return container()->translationContext(); }
    [[nodiscard]] Control* focusedControl() const override { return container()->focusedControl(); }
    void giveFocusTo(const Control& control) override { container()->giveFocusTo(control); }
    void focusedControlLeaving(const Control& focused) override { container()->focusedControlLeaving(focused); }
    [[nodiscard]] Colour backColor() const override { return design().backColor; }
    [[nodiscard]] bool canTakeFocus() const override { return false; }

    // Paints background, border and caption, then the painted controls inside.
    void paintFrame(QPainter& painter) const;

    // A frame that reads as one phrase tells a screen reader its new phrase once the
    // current event is done, so that a whole new problem is heard once.
    void paintedTextChanged() override;
    [[nodiscard]] std::string phrase() const;

    // A press of the left mouse button at a pixel of the frame: the topmost picture there
    // that answers presses gets it.
    void mousePressed(const QPoint& pixel) const;

protected:
    void create(const Design& design) override;

private:
    friend class FrameProbe;  // tests read the caption as drawn
    // The caption as paintFrame draws it, in a smaller size when the frame is too narrow.
    [[nodiscard]] FittedText drawnCaption() const;
    bool phrasePending_ = false;
};

}  // namespace tarnivo::tk

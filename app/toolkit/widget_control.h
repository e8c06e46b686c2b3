// SPDX-License-Identifier: MIT
#pragma once

#include <QPalette>
#include <string>

#include "app/toolkit/control.h"

namespace tarnivo::tk {

// A control backed by a Qt widget of its own (buttons, text boxes, options, frames).
class WidgetControl : public Control {
public:
    ~WidgetControl() override;
    [[nodiscard]] QWidget* widget() const override { return widget_; }
    // Moves the focus here; a hidden or disabled control refuses with ControlError.
    void setFocus();
    // What a screen reader says about the control after its name ("right", "wrong").
    // Setting it tells a listening screen reader, even when the text stays the same.
    void setAccessibleDescription(const std::string& description);
    // Describes the control by its verdict and reports it marked, so that the window's
    // announcer speaks the verdict wherever the focus is.
    void announceVerdict(const std::string& verdict);

protected:
    // Takes ownership through the container's widget tree.
    void adoptWidget(QWidget* widget);
    void applyGeometry() override;
    void applyVisible() override;
    void applyEnabled() override;
    [[nodiscard]] bool canTakeFocus() const override;
    [[nodiscard]] const Control* focusedWithin() const;
    // The colours the control sets on its widget: none, so that it follows its window's scheme.
    [[nodiscard]] virtual QPalette ownPalette() const { return {}; }

private:
    friend class OwnColours;
    static void dropFocus(const Control* focused);
    void keepOwnPalette();
    QWidget* widget_ = nullptr;
};

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#pragma once

#include <QtCore/qnamespace.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/toolkit/control.h"
#include "app/toolkit/design.h"
#include "app/toolkit/window_events.h"

class QWidget;

namespace tarnivo::tk {

class CommandButton;
class Timer;
class WindowWidget;

// A top-level window of the program. A window class derives from it, holds its
// controls as members, places them in its constructor from its layout table and
// handles their events. One instance per class lives in its slot (see Forms).
class Window : public Container, public WindowEvents {
public:
    explicit Window(const WindowDesign& design);
    ~Window() override;

    // Runs once, when the window is loaded, before it is shown.
    virtual void Form_Load() {}
    // The desktop asked the window to close (title-bar button, Alt+F4): each window
    // says what that means, mostly unloading itself.
    void closeRequested() override = 0;

    [[nodiscard]] const WindowDesign& design() const { return design_; }
    [[nodiscard]] const std::string& caption() const { return caption_; }
    void setCaption(std::string_view caption);
    [[nodiscard]] Colour backColor() const override { return backColor_; }
    void setBackColor(Colour colour);
    [[nodiscard]] bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    [[nodiscard]] bool visible() const { return visible_; }
    void setVisible(bool visible);
    // Shows the window, centred on the screen the first time, and activates it.
    void show();
    // Brings a shown window to the front and gives it the keyboard.
    void activate();
    // Makes this window the owner's own: the desktop keeps it in front of the owner and
    // gives it the keyboard whenever the owner is clicked. Set before the first show.
    void setOwner(Window& owner);
    // The desktop made this window the active one; an owned window shown in front takes over.
    void activated() override;

    // Enter presses this button while it is enabled.
    void setDefaultButton(CommandButton& button) { defaultButton_ = &button; }
    [[nodiscard]] CommandButton* defaultButton() const { return defaultButton_; }

    // The control that has (or, while the window is inactive, will get) the focus.
    [[nodiscard]] Control* focusedControl() const override;
    // Moves the focus to the next (or previous) control in tab order, skipping hidden
    // and disabled ones; an option group is one stop, on its selected button.
    void focusNextControl(bool forward);
    [[nodiscard]] std::vector<Control*> tabStops() const;

    [[nodiscard]] bool unloaded() const override { return unloaded_; }

    // The focused control, or a frame around it, is being hidden or disabled: once the
    // current event is done, the focus moves on to the next stop in tab order, unless the
    // program has put it somewhere itself by then.
    void focusedControlLeaving(const Control& focused) override;
    // Where the program puts the focus itself, a pending move on from a left control would undo it.
    void dropPendingFocusMove() { focusLeftFrom_ = NoFocusLeaving; }
    // Every focus move, the program's own as well as Tab's, goes through here so that the
    // focused control shows its focus indicator.
    void placeFocus(const Control& control, Qt::FocusReason reason);

    // The window's own widget; only the toolkit and its tests reach it.
    [[nodiscard]] QWidget* surface() const override;
    Window* owningWindow() override { return this; }
    [[nodiscard]] bool containerShown() const override { return visible_; }
    [[nodiscard]] bool containerUsable() const override { return enabled_; }
    [[nodiscard]] bool containerUnloaded() const override { return unloaded_; }
    [[nodiscard]] std::string translationContext() const override { return design_.translationContext; }
    void giveFocusTo(const Control& control) override;
    void paintClient(QPainter& painter) const override;

private:
    friend class Forms;
    friend class Timer;
    void markUnloaded();
    void focusFirstStop();
    void becomeOwned();
    void moveFocusOnFromLeftControl();
    static constexpr int NoFocusLeaving = -2;
    int focusLeftFrom_ = NoFocusLeaving;  // tab index of a control that lost the focus by hiding
    void registerTimer(Timer& timer) { timers_.push_back(&timer); }
    [[nodiscard]] std::vector<Control*> allControls() const;

    WindowDesign design_;
    std::unique_ptr<WindowWidget> widget_;
    std::string caption_;
    Colour backColor_;
    bool enabled_ = true;
    bool visible_ = false;
    bool shownBefore_ = false;
    bool unloaded_ = false;
    CommandButton* defaultButton_ = nullptr;
    Window* owner_ = nullptr;
    Window* owned_ = nullptr;
    std::vector<Timer*> timers_;  // stopped by the slots when the window is unloaded
};

}  // namespace tarnivo::tk

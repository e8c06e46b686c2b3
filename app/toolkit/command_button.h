// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "app/toolkit/widget_control.h"

class QPushButton;

namespace tarnivo::tk {

// Push button. A "&" in the caption makes Alt plus the next letter press it while it
// is visible and enabled.
class CommandButton : public WidgetControl {
public:
    std::function<void()> onClick;

    [[nodiscard]] const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    // Presses the button as the user would: only while it is visible and enabled.
    void press();

protected:
    void create(const Design& design) override;

private:
    QPushButton* button_ = nullptr;
    std::string caption_;
};

}  // namespace tarnivo::tk

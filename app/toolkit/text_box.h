// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "app/toolkit/widget_control.h"

class QLineEdit;

namespace tarnivo::tk {

// Single-line text box. Change is raised on every change of the text, whether typed,
// deleted, pasted or set by the program.
class TextBox : public WidgetControl {
public:
    std::function<void()> onChange;

    [[nodiscard]] std::string text() const;  // UTF-8
    void setText(const std::string& text);
    [[nodiscard]] Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);

protected:
    void create(const Design& design) override;

private:
    void textChanged();
    QLineEdit* edit_ = nullptr;
    Colour backColor_ = 0;
    bool settingText_ = false;
};

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <functional>
#include <string>

#include "app/toolkit/widget_control.h"

class QLineEdit;

namespace tarnivo::tk {

// Single-line text box. Change is raised on every change of the text, whether typed,
// deleted, pasted or set by the program.
class TextBox : public WidgetControl {
public:
    // A verdict shown as a sign beside the box, so that it never rests on colour alone.
    enum class Mark { None, Right, Wrong };

    std::function<void()> onChange;

    [[nodiscard]] std::string text() const;  // UTF-8
    void setText(const std::string& text);
    [[nodiscard]] Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);
    [[nodiscard]] Mark mark() const { return mark_; }
    void setMark(Mark mark);
    // Where the mark stands: just right of the box, level with its top, clear of its text.
    [[nodiscard]] QRect markArea() const;

    void paint(QPainter& painter) const override;

protected:
    void create(const Design& design) override;
    [[nodiscard]] QPalette ownPalette() const override;

private:
    void textChanged();
    QLineEdit* edit_ = nullptr;
    Colour backColor_ = 0;
    Mark mark_ = Mark::None;
    bool settingText_ = false;
};

}  // namespace tarnivo::tk

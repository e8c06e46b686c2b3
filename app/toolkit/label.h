// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "app/toolkit/control.h"

namespace tarnivo::tk {

// Text painted on its container. With automatic width, the label takes the width of
// its caption and the height of one line whenever the caption changes; Left and Top stay.
class Label : public Control {
public:
    [[nodiscard]] const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    [[nodiscard]] Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);
    [[nodiscard]] Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour colour);
    // Repaints the label at once.
    void refresh() const;

    void paint(QPainter& painter) const override;

protected:
    void create(const Design& design) override;

private:
    void fitToCaption();
    std::string caption_;
    Colour backColor_ = 0;
    Colour foreColor_ = 0;
};

// A picture from the program's resources, at its natural size or stretched to its box.
// Pictures are black ink on silver (0xC0C0C0); the silver is left out, so the ink
// stands on whatever is behind.
class Picture : public Control {
public:
    void paint(QPainter& painter) const override;

protected:
    void create(const Design& design) override;
};

// A straight line between two end points; end points may hold fractions of a twip.
class Line : public Control {
public:
    [[nodiscard]] float x1() const { return x1_; }
    [[nodiscard]] float y1() const { return y1_; }
    [[nodiscard]] float x2() const { return x2_; }
    [[nodiscard]] float y2() const { return y2_; }
    void setX2(float twips);

    void paint(QPainter& painter) const override;

protected:
    void create(const Design& design) override;

private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

// A rectangle outline, a static decoration.
class Shape : public Control {
public:
    void paint(QPainter& painter) const override;
};

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#pragma once

#include "app/toolkit/control.h"

namespace tarnivo::tk {

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

}  // namespace tarnivo::tk

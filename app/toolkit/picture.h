// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "app/toolkit/control.h"

namespace tarnivo::tk {

// A picture from the program's resources, at its natural size or stretched to its box.
// Pictures are black ink on silver (0xC0C0C0); the silver is left out, so the ink
// stands on whatever is behind, and the ink takes the window-text colour there, as the
// lines beside the pictures do.
class Picture : public Control {
public:
    // A press of the left mouse button on the picture, at x and y twips from its corner.
    std::function<void(float x, float y)> onMouseDown;

    void paint(QPainter& painter) const override;

protected:
    void create(const Design& design) override;
};

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#pragma once

#include "app/toolkit/control.h"

namespace tarnivo::tk {

// A rectangle outline, a static decoration.
class Shape : public Control {
public:
    void paint(QPainter& painter) const override;
};

}  // namespace tarnivo::tk

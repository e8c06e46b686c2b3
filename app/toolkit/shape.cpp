// SPDX-License-Identifier: MIT
#include "app/toolkit/shape.h"

#include <QPainter>

#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

void Shape::paint(QPainter& painter) const {
    // The outline lies inside the shape's box.
    fillBorder(painter, toQRect(left(), top(), width(), height()), design().lineWidth,
               toQColor(colour::WindowText, schemeOnBackground(*container())));
}

}  // namespace tarnivo::tk

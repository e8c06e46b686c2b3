// SPDX-License-Identifier: MIT
#include "app/toolkit/shape.h"

#include <QPainter>

#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

void Shape::paint(QPainter& painter) const {
    // The outline lies inside the shape's box, one pixel ring after another.
    painter.setPen(QPen(toQColor(colour::WindowText), 0));
    painter.setBrush(Qt::NoBrush);
    const QRect box = toQRect(left(), top(), width(), height());
    for (int ring = 0; ring < design().lineWidth; ++ring)
        painter.drawRect(box.adjusted(ring, ring, -1 - ring, -1 - ring));
}

}  // namespace tarnivo::tk

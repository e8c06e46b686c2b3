// SPDX-License-Identifier: MIT
#include "app/toolkit/line.h"

#include <QPainter>

#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

void Line::create(const Design& design) {
    x1_ = design.x1;
    y1_ = design.y1;
    x2_ = design.x2;
    y2_ = design.y2;
}

void Line::setX2(float twips) {
    x2_ = twips;
    update();
}

void Line::paint(QPainter& painter) const {
    QPen pen(toQColor(colour::WindowText, schemeOnBackground(*container())), design().lineWidth, Qt::SolidLine,
             Qt::FlatCap);
    painter.setPen(pen);
    // A line that is not quite level steps from one pixel row to the next; smoothed, it does not.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawLine(QPointF(x1_ / TwipsPerPixel, y1_ / TwipsPerPixel),
                     QPointF(x2_ / TwipsPerPixel, y2_ / TwipsPerPixel));
}

}  // namespace tarnivo::tk

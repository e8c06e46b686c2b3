// SPDX-License-Identifier: MIT
#include "app/toolkit/qt_bridge.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "app/toolkit/twips.h"

namespace tarnivo::tk {

namespace {
QPalette::ColorRole systemRole(std::uint8_t index) {
    switch (index) {
        case 5: return QPalette::Base;  // window background
        case 8: return QPalette::Text;  // window text
        case 18: return QPalette::ButtonText;
        default: return QPalette::Button;  // button face and the rest
    }
}
}  // namespace

QColor toQColor(Colour colour) {
    if ((colour & 0x80000000U) != 0) {
        return QApplication::palette().color(QPalette::Active, systemRole(static_cast<std::uint8_t>(colour & 0xFF)));
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QFont toQFont(const FontSpec& font) {
    QFont result(QString::fromStdString(font.face));
    // Sizes follow the twip grid (96 pixels to the inch), whatever the screen's own DPI.
    result.setPixelSize(static_cast<int>(std::lround(font.points * 96.0F / 72.0F)));
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    result.setItalic(false);
    return result;
}

QRect toQRect(float left, float top, float width, float height) {
    const PixelRect r = toPixels(left, top, width, height);
    return {r.x, r.y, r.w, r.h};
}

void fillBorder(QPainter& painter, const QRect& box, int width, const QColor& colour) {
    bool invertible = false;
    const QTransform toDevice = painter.deviceTransform();
    const QTransform toLogical = toDevice.inverted(&invertible);
    if (!invertible || box.isEmpty()) return;
    const QRectF device = toDevice.mapRect(QRectF(box));
    const auto grid = [](double x) { return std::floor(x + 0.5 + 1e-6); };
    const QRectF outer(QPointF(grid(device.left()), grid(device.top())),
                       QPointF(grid(device.right()), grid(device.bottom())));
    const double scale = device.width() / box.width();
    const double ring = std::min({std::max(1.0, std::round(width * scale)), outer.width() / 2, outer.height() / 2});
    const QRectF sides[] = {
        {outer.left(), outer.top(), outer.width(), ring},
        {outer.left(), outer.bottom() - ring, outer.width(), ring},
        {outer.left(), outer.top() + ring, ring, outer.height() - 2 * ring},
        {outer.right() - ring, outer.top() + ring, ring, outer.height() - 2 * ring},
    };
    painter.save();
    // The rounded edge may stand half a device pixel outside a clip on the box itself.
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QRectF& side : sides) painter.fillRect(toLogical.mapRect(side), colour);
    painter.restore();
}

Qt::Alignment toQAlignment(Align align) {
    switch (align) {
        case Align::Centre: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        default: return Qt::AlignLeft;
    }
}

}  // namespace tarnivo::tk

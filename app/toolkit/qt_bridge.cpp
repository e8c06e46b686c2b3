// SPDX-License-Identifier: MIT
#include "app/toolkit/qt_bridge.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

#include "app/toolkit/control.h"

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

Qt::Alignment toQAlignment(Align align) {
    switch (align) {
        case Align::Centre: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        default: return Qt::AlignLeft;
    }
}

}  // namespace tarnivo::tk

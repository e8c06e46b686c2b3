// SPDX-License-Identifier: MIT
#include "app/toolkit/fitted_text.h"

#include <QFontMetricsF>
#include <cmath>

namespace tarnivo::tk {

namespace {
// Fonts are sized in pixels on the twip grid: 96 to the inch.
int pixelsOf(float points) { return static_cast<int>(std::lround(points * 96.0F / 72.0F)); }

bool fitsWidth(const QFont& font, const QString& text, int width) {
    return QFontMetricsF(font).horizontalAdvance(text) <= width;
}
}  // namespace

int smallestFittedPixels() { return pixelsOf(SmallestFittedPoints); }

FittedText fitText(const FittedText& line) {
    const int width = line.area.width();
    if (fitsWidth(line.font, line.text, width)) return line;
    FittedText fitted = line;
    const int smallest = pixelsOf(SmallestFittedPoints);
    for (int size = line.font.pixelSize() - 1; size >= smallest; --size) {
        fitted.font.setPixelSize(size);
        if (fitsWidth(fitted.font, line.text, width)) break;
    }
    if (!fitsWidth(fitted.font, line.text, width)) {
        fitted.text = QFontMetricsF(fitted.font).elidedText(line.text, Qt::ElideRight, width);
    }
    const qreal freed = QFontMetricsF(line.font).height() - QFontMetricsF(fitted.font).height();
    fitted.area.translate(0, static_cast<int>(std::lround(freed / 2)));
    return fitted;
}

}  // namespace tarnivo::tk

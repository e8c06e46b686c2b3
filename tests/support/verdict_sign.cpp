// SPDX-License-Identifier: MIT
#include "tests/support/verdict_sign.h"

namespace tarnivo::testing {

namespace {
int darkPixels(const QImage& grey, const QRect& area) {
    int count = 0;
    const QRect inside = area.intersected(grey.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) count += qGray(grey.pixel(x, y)) < 110 ? 1 : 0;
    }
    return count;
}
}  // namespace

SignSeen signIn(const QImage& image, const QRect& area) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    if (darkPixels(grey, area) < area.width()) return SignSeen::None;
    const QRect corner(area.topLeft(), QSize(area.width() * 2 / 5, area.height() * 2 / 5));
    return darkPixels(grey, corner) > 0 ? SignSeen::Cross : SignSeen::Tick;
}

const char* nameOf(SignSeen sign) {
    switch (sign) {
        case SignSeen::None: return "no sign";
        case SignSeen::Tick: return "a tick";
        case SignSeen::Cross: return "a cross";
    }
    return "?";
}

}  // namespace tarnivo::testing

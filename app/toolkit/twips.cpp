// SPDX-License-Identifier: MIT
#include "app/toolkit/twips.h"

#include <cmath>

#include "app/toolkit/design.h"

namespace tarnivo::tk {

int toPixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

PixelRect toPixels(float left, float top, float width, float height) {
    const int x = toPixels(left);
    const int y = toPixels(top);
    // Right and bottom edges are rounded on their own so neighbouring boxes meet.
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

}  // namespace tarnivo::tk

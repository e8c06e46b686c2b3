// SPDX-License-Identifier: MIT
#pragma once

namespace tarnivo::tk {

// Pixel rectangle of a twips rectangle, as drawing uses it.
struct PixelRect {
    int x, y, w, h;
};
PixelRect toPixels(float left, float top, float width, float height);
int toPixels(float twips);

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

namespace tarnivo::testing {

// Reads what a screenshot shows with the tesseract OCR engine.
class ScreenText {
public:
    [[nodiscard]] static bool available();
    // The one line of text inside a bordered box of the screen, blanks collapsed; the
    // border itself is left out so that it is not read as a letter.
    [[nodiscard]] static QString readBox(const QImage& screen, const QRect& box);
    // Every line of text in an area of the screen (a dialog), joined by blanks.
    [[nodiscard]] static QString readArea(const QImage& screen, const QRect& area);
};

}  // namespace tarnivo::testing

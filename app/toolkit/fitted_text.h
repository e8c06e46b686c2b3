// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace tarnivo::tk {

// A line of text as it is drawn in a box: the font, the text and the rectangle to draw it in.
struct FittedText {
    QFont font;
    QString text;
    QRect area;
};

// Smallest size, in points, that a shrunk caption still reads at from a sheet of paper.
inline constexpr float SmallestFittedPoints = 7.0F;
// The same size in pixels on the twip grid.
int smallestFittedPixels();

// The line unchanged when it fits the area's width. Otherwise it takes the largest
// smaller size of the same face that fits, down to SmallestFittedPoints, centred
// vertically on the line it replaces; at that size, text that is still too wide
// keeps its start and ends in "…", so what shows is never mistaken for another value.
FittedText fitText(const FittedText& line);

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#pragma once

// Conversions between the design's units and Qt's; used inside the toolkit and by tests.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QString>
#include <string>

#include "app/toolkit/design.h"

class QPainter;

namespace tarnivo::tk {

// A system colour as the desktop's scheme has it now; a fixed colour as it is.
QColor toQColor(Colour colour);
// A system colour as `scheme` has it; a fixed colour as it is.
QColor toQColor(Colour colour, const QPalette& scheme);
inline bool isSystemColour(Colour colour) { return (colour & 0x80000000U) != 0; }
// The standard light scheme that the design's colours were chosen with: black text on
// light grey. The print is always drawn in it.
QPalette lightScheme();
// The scheme for what is drawn on `background`. On one of the design's fixed colours,
// which are all light, that is the light scheme, so text, lines and borders on them stay
// black whatever the desktop's scheme; on a system colour it is `scheme` itself.
QPalette schemeOn(Colour background, const QPalette& scheme);
// How far apart two colours read, as WCAG measures it: 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& one, const QColor& other);
// The roles a window sets over the desktop's scheme so that the focus ring, which
// styles draw in a darker shade of the highlight colour, shows at least 3:1 on the
// window and on the buttons: none when the scheme's own highlight does.
QPalette focusVisible(const QPalette& scheme);
// The outline of a control drawn on `surface` and filled with `fill`: `ink` softened towards
// the surface as far as keeps it 4.5:1 from both (WCAG asks 3:1 of a control's edge).
QColor boundaryColour(const QColor& surface, const QColor& fill, const QColor& ink);
QFont toQFont(const FontStyle& font);
// One of the program's own PNG pictures, read by Qt's built-in reader. Left to guess the
// format, Qt loads every image plug-in it has (SVG, JPEG, GIF…) to ask each about PNG.
QImage readPng(const std::string& path);
QRect toQRect(float left, float top, float width, float height);
// The horizontal part of a text alignment.
Qt::Alignment toQAlignment(Align align);
// Fills a border `width` pixels wide just inside `box`. Its edges fall on the nearest whole
// device pixels, so that a scaled screen shows each side once and whole.
void fillBorder(QPainter& painter, const QRect& box, int width, const QColor& colour);
inline QString toQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string fromQString(const QString& text) { return text.toStdString(); }

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#pragma once

// Conversions between the design's units and Qt's; used inside the toolkit and by tests.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "app/toolkit/design.h"

class QPainter;

namespace tarnivo::tk {

QColor toQColor(Colour colour);
QFont toQFont(const FontSpec& font);
QRect toQRect(float left, float top, float width, float height);
// The horizontal part of a text alignment.
Qt::Alignment toQAlignment(Align align);
// Fills a border `width` pixels wide just inside `box`. Its edges fall on the nearest whole
// device pixels, so that a scaled screen shows each side once and whole.
void fillBorder(QPainter& painter, const QRect& box, int width, const QColor& colour);
inline QString toQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string fromQString(const QString& text) { return text.toStdString(); }

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

// The window makes this exact silver transparent, so every pixel left
// undrawn must keep it to the last bit.
inline const QColor silver(192, 192, 192);
inline const QColor ink(0, 0, 0);

// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// The program's icons: the small window icon, and the desktop icon (a radical
// sign on a pale rounded tile) at each size the desktop asks for.
class IconSet {
public:
    // The desktop's application id; icon files are named after it.
    static QString applicationId();

    // 16 by 16 window icon: the sign alone on a transparent background.
    static QImage practiceIcon();

    // The desktop icon at `size` pixels square.
    static QImage tile(int size);

    // The desktop icon as SVG, on a 256-unit canvas.
    static QString tileSvg();
};

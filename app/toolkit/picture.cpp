// SPDX-License-Identifier: MIT
#include "app/toolkit/picture.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

namespace {
// Pictures are black drawings on silver (192, 192, 192). Each pixel becomes the ink
// colour with the coverage its grey stands for, so antialiased edges merge with any background.
const QPixmap& keyedPixmap(const std::string& path, QColor ink = Qt::black) {
    static QHash<QString, QPixmap> cache;
    const QString key = toQString(path) + QLatin1Char('#') + QString::number(ink.rgb(), 16);
    auto found = cache.find(key);
    if (found == cache.end()) {
        QImage image = readPng(path).convertToFormat(QImage::Format_ARGB32);
        const int red = ink.red();
        const int green = ink.green();
        const int blue = ink.blue();
        const int width = image.width();
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const int grey = std::min(qGray(row[x]), 192);
                row[x] = qRgba(red, green, blue, (192 - grey) * 255 / 192);
            }
        }
        found = cache.insert(key, QPixmap::fromImage(image));
    }
    return *found;
}
}  // namespace

void Picture::create(const Design& design) {
    if (!design.stretch) {
        const QPixmap& pixmap = keyedPixmap(design.picture);
        if (!pixmap.isNull()) {
            setWidth(static_cast<float>(pixmap.width()) * TwipsPerPixel);
            setHeight(static_cast<float>(pixmap.height()) * TwipsPerPixel);
        }
    }
}

void Picture::paint(QPainter& painter) const {
    const QPixmap& pixmap =
        keyedPixmap(design().picture, toQColor(colour::WindowText, schemeOnBackground(*container())));
    if (pixmap.isNull()) return;
    const QRect box = toQRect(left(), top(), width(), height());
    // A scaled screen scales every picture, stretched or not.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (design().stretch) {
        painter.drawPixmap(box, pixmap);
    } else {
        painter.drawPixmap(box.topLeft(), pixmap);
    }
}

}  // namespace tarnivo::tk

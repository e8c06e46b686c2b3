// SPDX-License-Identifier: MIT
#include "app/toolkit/label.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

namespace {
Qt::Alignment horizontal(Align align) {
    switch (align) {
        case Align::Centre: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        default: return Qt::AlignLeft;
    }
}

// Pictures are black drawings on silver (192, 192, 192). Each pixel becomes black with
// the coverage its grey stands for, so antialiased edges merge with any background.
const QPixmap& keyedPixmap(const std::string& path) {
    static QHash<QString, QPixmap> cache;
    const QString key = toQString(path);
    auto found = cache.find(key);
    if (found == cache.end()) {
        QImage image = QImage(key).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = std::min(qGray(row[x]), 192);
                row[x] = qRgba(0, 0, 0, (192 - grey) * 255 / 192);
            }
        }
        found = cache.insert(key, QPixmap::fromImage(image));
    }
    return *found;
}
}  // namespace

void Label::create(const Design& design) {
    caption_ = design.caption;
    backColor_ = design.backColor;
    foreColor_ = design.foreColor;
    if (design.autoSize) fitToCaption();
}

void Label::setCaption(const std::string& caption) {
    caption_ = caption;
    if (design().autoSize) {
        fitToCaption();  // a new size redraws the container
    } else {
        updateOwnArea();
    }
}

void Label::setBackColor(Colour colour) {
    backColor_ = colour;
    updateOwnArea();
}

void Label::setForeColor(Colour colour) {
    foreColor_ = colour;
    updateOwnArea();
}

void Label::refresh() const { repaintNow(); }

void Label::fitToCaption() {
    const QFontMetricsF metrics(toQFont(design().font));
    setWidth(static_cast<float>(std::ceil(metrics.horizontalAdvance(toQString(caption_)))) * TwipsPerPixel);
    setHeight(static_cast<float>(std::ceil(metrics.height())) * TwipsPerPixel);
}

void Label::paint(QPainter& painter) const {
    const QRect box = toQRect(left(), top(), width(), height());
    painter.setClipRect(box);
    if (!design().transparent) painter.fillRect(box, toQColor(backColor_));
    QRect textArea = box;
    if (design().bordered) {
        painter.setPen(Qt::black);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        textArea = box.adjusted(2, 1, -2, -1);
    }
    painter.setFont(toQFont(design().font));
    painter.setPen(toQColor(foreColor_));
    const auto flags = static_cast<int>(horizontal(design().align) | Qt::AlignTop | Qt::TextSingleLine);
    painter.drawText(textArea, flags, toQString(caption_));
}

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
    const QPixmap& pixmap = keyedPixmap(design().picture);
    if (pixmap.isNull()) return;
    const QRect box = toQRect(left(), top(), width(), height());
    if (design().stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(box, pixmap);
    } else {
        painter.drawPixmap(box.topLeft(), pixmap);
    }
}

void Line::create(const Design& design) {
    x1_ = design.x1;
    y1_ = design.y1;
    x2_ = design.x2;
    y2_ = design.y2;
}

void Line::setX2(float twips) {
    x2_ = twips;
    update();
}

void Line::paint(QPainter& painter) const {
    QPen pen(toQColor(colour::WindowText), design().lineWidth, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(x1_ / TwipsPerPixel, y1_ / TwipsPerPixel),
                     QPointF(x2_ / TwipsPerPixel, y2_ / TwipsPerPixel));
}

void Shape::paint(QPainter& painter) const {
    // The outline lies inside the shape's box, one pixel ring after another.
    painter.setPen(QPen(toQColor(colour::WindowText), 0));
    painter.setBrush(Qt::NoBrush);
    const QRect box = toQRect(left(), top(), width(), height());
    for (int ring = 0; ring < design().lineWidth; ++ring)
        painter.drawRect(box.adjusted(ring, ring, -1 - ring, -1 - ring));
}

}  // namespace tarnivo::tk

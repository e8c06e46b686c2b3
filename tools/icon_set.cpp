// SPDX-License-Identifier: MIT
#include "icon_set.h"

#include "picture_colours.h"
#include "radical_shape.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QColor tileFill(0xff, 0xf4, 0xc2);
const QColor tileEdge(0xa8, 0x86, 0x2c);
const QColor signInk(0x1f, 0x29, 0x37);

// At 16 pixels a drawn outline smears into grey, so the small sign is set
// pixel by pixel.
constexpr std::array<const char*, 16> windowSign{
    "................", "................", "........########", "........#.......",
    "........#.......", ".......#........", ".......#........", ".......#........",
    "......#.........", ".#....#.........", "###...#.........", ".##..#..........",
    "..##.#..........", "..####..........", "...##...........", "................",
};

constexpr std::array<const char*, 16> tileSign{
    "................", "................", "................", ".........#####..",
    ".........#......", "........#.......", "........#.......", "........#.......",
    ".......#........", "...#...#........", "..###..#........", "...##.#.........",
    "....###.........", "....##..........", "................", "................",
};

void plot(QImage& image, const std::array<const char*, 16>& rows, const QColor& colour) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (rows[y][x] == '#') image.setPixelColor(x, y, colour);
}

struct TileGeometry {
    QRectF tile;  // the centre line of the tile's edge
    double radius;
    double edge;
    RadicalShape sign;
};

// The tile fills the square less a small margin; its edge and the sign's box
// are snapped to whole pixels so the edge and the overbar stay sharp at every
// size.
TileGeometry tileGeometry(double size) {
    const double margin = std::floor(size / 32.0);
    const double edge = std::max(1.0, std::round(size / 48.0));
    const double outer = size - 2 * margin;
    const QRectF tile(margin + edge / 2, margin + edge / 2, outer - edge, outer - edge);
    const double left = std::round(size * 0.17);
    const double top = std::round(size * 0.26);
    const double right = std::round(size * 0.83);
    const double bottom = std::round(size * 0.77);
    const double bar = std::max(1.0, std::round(size * 0.06));
    const RadicalShape sign(QRectF(left, top, right - left, bottom - top),
                            {size * 0.1, size * 0.055, bar, size * 0.055});
    return {tile, size * 0.19, edge, sign};
}

}  // namespace

QString IconSet::applicationId() { return QStringLiteral("org.tarnivo.Tarnivo"); }

QImage IconSet::practiceIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    plot(image, windowSign, ink);
    return image;
}

QImage IconSet::tile(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const TileGeometry geometry = tileGeometry(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(tileEdge, geometry.edge));
    painter.setBrush(tileFill);
    painter.drawRoundedRect(geometry.tile, geometry.radius, geometry.radius);
    if (size <= 16) {
        painter.end();
        plot(image, tileSign, signInk);
        return image;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(signInk);
    painter.drawPolygon(geometry.sign.outline());
    return image;
}

QString IconSet::tileSvg() {
    constexpr double size = 256;
    const TileGeometry geometry = tileGeometry(size);
    const QRectF& box = geometry.tile;
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<!-- SPDX-License-Identifier: MIT -->\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
               "  <rect x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\" rx=\"%6\" ry=\"%6\" fill=\"%7\" stroke=\"%8\" "
               "stroke-width=\"%9\"/>\n")
               .arg(size)
               .arg(box.x())
               .arg(box.y())
               .arg(box.width())
               .arg(box.height())
               .arg(geometry.radius)
               .arg(tileFill.name(), tileEdge.name())
               .arg(geometry.edge) +
           QStringLiteral("  <path d=\"%1\" fill=\"%2\"/>\n</svg>\n").arg(geometry.sign.svgPath(), signInk.name());
}

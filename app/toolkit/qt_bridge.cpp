// SPDX-License-Identifier: MIT
#include "app/toolkit/qt_bridge.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <map>

#include "app/toolkit/twips.h"

namespace tarnivo::tk {

namespace {
QPalette::ColorRole systemRole(std::uint8_t index) {
    switch (index) {
        case 5: return QPalette::Base;  // window background
        case 8: return QPalette::Text;  // window text
        case 18: return QPalette::ButtonText;
        default: return QPalette::Button;  // button face and the rest
    }
}
}  // namespace

QColor toQColor(Colour colour) { return toQColor(colour, QApplication::palette()); }

QColor toQColor(Colour colour, const QPalette& scheme) {
    if (isSystemColour(colour)) {
        return scheme.color(QPalette::Active, systemRole(static_cast<std::uint8_t>(colour & 0xFF)));
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QPalette lightScheme() {
    // Every caption asks for it as it is drawn, and a style builds it anew at each request.
    static QPointer<QStyle> style;
    static QPalette standard;
    if (style != QApplication::style()) {
        style = QApplication::style();
        standard = style->standardPalette();
    }
    return standard;
}

QPalette schemeOn(Colour background, const QPalette& scheme) {
    return isSystemColour(background) ? scheme : lightScheme();
}

double contrastRatio(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QPalette focusVisible(const QPalette& scheme) {
    constexpr double Visible = 3.0;
    const QColor window = scheme.color(QPalette::Window);
    const QColor button = scheme.color(QPalette::Button);
    const auto shows = [&](const QColor& highlight) {
        const QColor ring = highlight.darker(125);
        return contrastRatio(ring, window) >= Visible && contrastRatio(ring, button) >= Visible;
    };
    QPalette roles;
    QColor highlight = scheme.color(QPalette::Highlight);
    if (shows(highlight)) return roles;
    // Lighter on a dark scheme, darker on a light one, keeping the hue as long as it can.
    const bool dark = contrastRatio(window, Qt::black) < contrastRatio(window, Qt::white);
    for (int step = 0; step < 20 && !shows(highlight); ++step)
        highlight = dark ? highlight.lighter(115) : highlight.darker(115);
    if (!shows(highlight)) highlight = dark ? Qt::white : Qt::black;
    roles.setColor(QPalette::Highlight, highlight);
    // Selected text stays readable on the new highlight.
    const QColor selected = scheme.color(QPalette::HighlightedText);
    if (contrastRatio(selected, highlight) < 4.5)
        roles.setColor(
            QPalette::HighlightedText,
            contrastRatio(highlight, Qt::black) > contrastRatio(highlight, Qt::white) ? Qt::black : Qt::white);
    return roles;
}

QColor boundaryColour(const QColor& surface, const QColor& fill, const QColor& ink) {
    // WCAG asks 3:1 of a control's edge; an outline a pixel or two wide reads better at 4.5:1.
    constexpr double Visible = 4.5;
    constexpr int Steps = 20;
    for (int step = 6; step < Steps; ++step) {
        const double share = static_cast<double>(step) / Steps;
        const auto channel = [share](double from, double to) { return from + (to - from) * share; };
        const QColor edge = QColor::fromRgbF(static_cast<float>(channel(surface.redF(), ink.redF())),
                                             static_cast<float>(channel(surface.greenF(), ink.greenF())),
                                             static_cast<float>(channel(surface.blueF(), ink.blueF())));
        if (contrastRatio(edge, surface) >= Visible && contrastRatio(edge, fill) >= Visible) return edge;
    }
    return ink;
}

namespace {
// The faces the windows name are not free; these are the closest that Debian ships, best first.
QStringList substitutesFor(const std::string& face) {
    if (face == "Arial Narrow") return {"Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"};
    if (face == "Times New Roman") return {"Liberation Serif", "DejaVu Serif"};
    if (face == "MS Sans Serif" || face == "Myriad Roman") return {"Liberation Sans", "DejaVu Sans"};
    return {};
}

// The named face when it is installed, else its first installed substitute. Asked for a face
// it does not have, Qt would have fontconfig sort every installed face for it first, which
// for each font costs more than drawing all of a window's captions.
QString installedFace(const std::string& face) {
    static std::map<std::string, QString> found;
    auto known = found.find(face);
    if (known == found.end()) {
        QStringList installed;
        // A family that more than one foundry makes is listed as "Family [Foundry]".
        for (const QString& family : QFontDatabase::families()) installed << family.section(QStringLiteral(" ["), 0, 0);
        QString chosen = toQString(face);
        if (!installed.contains(chosen, Qt::CaseInsensitive)) {
            for (const QString& substitute : substitutesFor(face)) {
                if (installed.contains(substitute, Qt::CaseInsensitive)) {
                    chosen = substitute;
                    break;
                }
            }
        }
        known = found.emplace(face, chosen).first;
    }
    return known->second;
}
}  // namespace

QFont toQFont(const FontStyle& font) {
    QFont result(installedFace(font.face));
    // Sizes follow the twip grid (96 pixels to the inch), whatever the screen's own DPI.
    result.setPixelSize(static_cast<int>(std::lround(font.points * 96.0F / 72.0F)));
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    result.setItalic(false);
    return result;
}

QImage readPng(const std::string& path) {
    QImageReader reader(toQString(path), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QRect toQRect(float left, float top, float width, float height) {
    const PixelRect r = toPixels(left, top, width, height);
    return {r.x, r.y, r.w, r.h};
}

void fillBorder(QPainter& painter, const QRect& box, int width, const QColor& colour) {
    bool invertible = false;
    const QTransform toDevice = painter.deviceTransform();
    const QTransform toLogical = toDevice.inverted(&invertible);
    if (!invertible || box.isEmpty()) return;
    const QRectF device = toDevice.mapRect(QRectF(box));
    const auto grid = [](double x) { return std::floor(x + 0.5 + 1e-6); };
    const QRectF outer(QPointF(grid(device.left()), grid(device.top())),
                       QPointF(grid(device.right()), grid(device.bottom())));
    const double scale = device.width() / box.width();
    const double ring = std::min({std::max(1.0, std::round(width * scale)), outer.width() / 2, outer.height() / 2});
    const QRectF sides[] = {
        {outer.left(), outer.top(), outer.width(), ring},
        {outer.left(), outer.bottom() - ring, outer.width(), ring},
        {outer.left(), outer.top() + ring, ring, outer.height() - 2 * ring},
        {outer.right() - ring, outer.top() + ring, ring, outer.height() - 2 * ring},
    };
    painter.save();
    // The rounded edge may stand half a device pixel outside a clip on the box itself.
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QRectF& side : sides) painter.fillRect(toLogical.mapRect(side), colour);
    painter.restore();
}

Qt::Alignment toQAlignment(Align align) {
    switch (align) {
        case Align::Centre: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        default: return Qt::AlignLeft;
    }
}

}  // namespace tarnivo::tk

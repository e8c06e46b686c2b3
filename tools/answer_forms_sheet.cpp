// SPDX-License-Identifier: MIT
#include "answer_forms_sheet.h"

#include "picture_colours.h"
#include "radical_shape.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int sheetWidth = 45;
constexpr int sheetHeight = 296;
constexpr int barLeft = 6;
constexpr int minimumBar = 9;
constexpr int xHeight = 8;
// Rows of a formula relative to its baseline (the last ink row of a or c).
constexpr int overbarAboveBaseline = 17;
constexpr int vertexBelowBaseline = 2;
// A numerator's baseline sits this far above its fraction bar, a
// denominator's this far below it.
constexpr int numeratorAboveBar = 7;
constexpr int denominatorBelowBar = 17;
constexpr int letterGap = 1;
constexpr int radicalLeftPart = 10;

// The largest pixel size whose x stays within the wanted x-height, so that a
// substituted face still fits the rows the option buttons line up with.
QFont fittedFont(const QString& family, bool italic, bool bold) {
    QFont font(family);
    font.setItalic(italic);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (int px = 24; px > 6; --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).tightBoundingRect(QStringLiteral("x")).height() <= xHeight) break;
    }
    return font;
}

QFont serifFont(bool italic, bool bold) {
    QFont font = fittedFont(QStringLiteral("Liberation Serif"), italic, bold);
    if (QFontInfo(font).family() != QStringLiteral("Liberation Serif"))
        font = fittedFont(QStringLiteral("DejaVu Serif"), italic, bold);
    return font;
}

}  // namespace

AnswerFormsSheet::AnswerFormsSheet() : letterFont_(serifFont(true, false)), numeralFont_(serifFont(false, true)) {}

QString AnswerFormsSheet::letterFace() const {
    const QFontInfo info(letterFont_);
    return QStringLiteral("%1 %2, %3 px").arg(info.family(), info.styleName()).arg(info.pixelSize());
}

QImage AnswerFormsSheet::draw() const {
    QImage image(sheetWidth, sheetHeight, QImage::Format_RGB32);
    image.fill(silver);
    QPainter painter(&image);

    const Term aRootB{true, true, false};
    const Term rootB{false, true, false};
    const Term a{true, false, false};
    const Term one{false, false, true};

    drawFraction(painter, aRootB, 31);
    drawFraction(painter, rootB, 82);
    drawFraction(painter, a, 129);
    drawTerm(painter, aRootB, barLeft, 173);
    drawTerm(painter, a, barLeft, 199);
    drawTerm(painter, rootB, barLeft, 230);
    drawFraction(painter, one, 263);
    return image;
}

void AnswerFormsSheet::drawFraction(QPainter& painter, const Term& numerator, int barRow) const {
    const int top = termWidth(numerator);
    const int bottom = glyphWidth(letterFont_, QLatin1Char('c'));
    const int bar = std::max({top + 2, bottom + 2, minimumBar});
    painter.fillRect(barLeft, barRow, bar, 1, ink);
    drawTerm(painter, numerator, barLeft + (bar - top) / 2, barRow - numeratorAboveBar);
    drawGlyph(painter, letterFont_, QLatin1Char('c'), barLeft + (bar - bottom) / 2, barRow + denominatorBelowBar);
}

int AnswerFormsSheet::termWidth(const Term& term) const {
    int width = 0;
    if (term.one) width += glyphWidth(numeralFont_, QLatin1Char('1'));
    if (term.coefficient) width += glyphWidth(letterFont_, QLatin1Char('a'));
    if (term.coefficient && term.radical) width += letterGap;
    if (term.radical) width += radicalLeftPart + glyphWidth(letterFont_, QLatin1Char('b')) + 1;
    return width;
}

void AnswerFormsSheet::drawTerm(QPainter& painter, const Term& term, int left, int baseline) const {
    int x = left;
    if (term.one) drawGlyph(painter, numeralFont_, QLatin1Char('1'), x, baseline);
    if (term.coefficient) {
        drawGlyph(painter, letterFont_, QLatin1Char('a'), x, baseline);
        x += glyphWidth(letterFont_, QLatin1Char('a')) + letterGap;
    }
    if (term.radical) {
        const int bWidth = glyphWidth(letterFont_, QLatin1Char('b'));
        drawRadical(painter, x, baseline - overbarAboveBaseline, x + radicalLeftPart + bWidth + 1);
        drawGlyph(painter, letterFont_, QLatin1Char('b'), x + radicalLeftPart, baseline);
    }
}

int AnswerFormsSheet::glyphWidth(const QFont& font, QChar glyph) const {
    return static_cast<int>(std::ceil(QFontMetricsF(font).tightBoundingRect(QString(glyph)).width()));
}

// Places the glyph's ink with its left edge at column `left` and its last
// row (not counting overshoot) at row `baseline`.
void AnswerFormsSheet::drawGlyph(QPainter& painter, const QFont& font, QChar glyph, int left, int baseline) const {
    const QRectF bounds = QFontMetricsF(font).tightBoundingRect(QString(glyph));
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QPointF(left - bounds.left(), baseline + 1), QString(glyph));
}

void AnswerFormsSheet::drawRadical(QPainter& painter, int left, int overbarRow, int right) const {
    const int height = overbarAboveBaseline + vertexBelowBaseline + 1;
    const RadicalShape sign(QRectF(left, overbarRow, right - left, height), {2.0, 1.0, 1.0, 1.5});
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(sign.outline());
}

// SPDX-License-Identifier: MIT
#include "app/toolkit/label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/toolkit/fitted_text.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

void Label::create(const Design& design) {
    caption_ = design.caption;
    backColor_ = design.backColor;
    foreColor_ = design.foreColor;
    if (design.autoSize) fitToCaption();
}

void Label::setCaption(const std::string& caption) {
    const bool changed = caption != caption_;
    caption_ = caption;
    if (design().autoSize) {
        fitToCaption();  // a new size redraws the container
    } else {
        updateOwnArea();
    }
    if (changed) {
        accessibleTextChanged();
    } else {
        report(ControlChange::ValueSetAgain);
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
    // Fitting and measuring a caption costs far more than drawing it: after a change
    // elsewhere on the window, the captions outside the changed area are left as they are.
    if (painter.hasClipping() && !painter.clipBoundingRect().intersects(box)) return;
    painter.setClipRect(box);
    const QPalette scheme =
        design().transparent ? schemeOnBackground(*container()) : schemeOn(backColor_, schemeOf(*container()));
    if (!design().transparent) painter.fillRect(box, toQColor(backColor_, scheme));
    QRect textArea = box;
    if (design().bordered) {
        fillBorder(painter, box, 1, toQColor(colour::WindowText, scheme));
        textArea = box.adjusted(2, 1, -2, -1);
    }
    const FittedText shown = drawnCaption(textArea);
    painter.setFont(shown.font);
    painter.setPen(toQColor(foreColor_, scheme));
    const auto lines = design().wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    const auto flags = static_cast<int>(toQAlignment(design().align) | Qt::AlignTop | lines);
    painter.drawText(shown.area, flags, shown.text);
}

// Marks stacked on a letter (a decomposed "ễ") can stand higher than the font's ascent and
// would be cut off by the top of the box: the line moves down into the room below it.
int Label::roomForMarksAbove(const FittedText& shown, const QRect& textArea) {
    // A font's ascent covers its plain Latin letters, digits and signs, so only other text
    // needs its outlines laid out, which costs more than drawing it.
    const bool plainAscii = std::all_of(shown.text.cbegin(), shown.text.cend(),
                                        [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
    if (plainAscii) return 0;
    const QFontMetricsF metrics(shown.font);
    QPainterPath outline;  // the glyphs as drawn, marks in place, from whichever font has them
    outline.addText(0, 0, shown.font, shown.text);
    const qreal inkTop = shown.area.top() + metrics.ascent() + outline.boundingRect().top();
    const int needed = static_cast<int>(std::ceil(textArea.top() + 1 - inkTop));
    const int free = textArea.bottom() - (shown.area.top() + static_cast<int>(std::ceil(metrics.height())));
    return std::clamp(needed, 0, std::max(0, free));
}

FittedText Label::drawnCaption(const QRect& textArea) const {
    const FittedText designed{toQFont(design().font), toQString(caption_), textArea};
    FittedText shown = design().shrinkToFit ? fitText(designed) : designed;
    if (!design().wordWrap) shown.area.translate(0, roomForMarksAbove(shown, textArea));
    return shown;
}

FittedText Label::drawnCaption() const {
    const QRect box = toQRect(left(), top(), width(), height());
    return drawnCaption(design().bordered ? box.adjusted(2, 1, -2, -1) : box);
}

}  // namespace tarnivo::tk

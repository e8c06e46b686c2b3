// SPDX-License-Identifier: MIT
#include "app/toolkit/label.h"

#include <QFontMetricsF>
#include <QPainter>
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

FittedText Label::drawnCaption(const QRect& textArea) const {
    const FittedText designed{toQFont(design().font), toQString(caption_), textArea};
    return design().shrinkToFit ? fitText(designed) : designed;
}

FittedText Label::drawnCaption() const {
    const QRect box = toQRect(left(), top(), width(), height());
    return drawnCaption(design().bordered ? box.adjusted(2, 1, -2, -1) : box);
}

}  // namespace tarnivo::tk

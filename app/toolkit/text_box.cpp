// SPDX-License-Identifier: MIT
#include "app/toolkit/text_box.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QValidator>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

namespace {

// Turns the decimal digits of every script (full-width, Arabic-Indic, Devanagari...) into
// 0-9 as they are typed or pasted, so the box holds what it shows to be marked. Nothing
// is ever refused.
class AsciiDigits : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        QString folded;
        folded.reserve(input.size());
        int cursor = position;
        qsizetype at = 0;
        for (const char32_t code : input.toUcs4()) {
            const qsizetype units = code > 0xFFFF ? 2 : 1;
            if (code > 0x7F && QChar::isDigit(code)) {
                folded += QChar(static_cast<char16_t>(u'0' + QChar::digitValue(code)));
                if (units == 2 && at < position) --cursor;  // a pair of code units became one
            } else {
                folded += QString::fromUcs4(&code, 1);
            }
            at += units;
        }
        if (folded != input) {
            input = folded;
            position = cursor;
        }
        return Acceptable;
    }
};

}  // namespace

void TextBox::create(const Design& design) {
    edit_ = new QLineEdit();
    adoptWidget(edit_);
    edit_->setFont(toQFont(design.font));
    edit_->setAlignment(toQAlignment(design.align) | Qt::AlignVCenter);
    edit_->setText(toQString(design.caption));
    if (design.asciiDigits) edit_->setValidator(new AsciiDigits(edit_));
    backColor_ = design.backColor == colour::ButtonFace ? colour::WindowBackground : design.backColor;
    setBackColor(backColor_);
    QObject::connect(edit_, &QLineEdit::textChanged, [this] { textChanged(); });
}

std::string TextBox::text() const { return edit_ != nullptr ? fromQString(edit_->text()) : std::string(); }

void TextBox::setText(const std::string& text) {
    if (edit_ == nullptr) return;
    // Change raised by the program runs inside the statement that set the text.
    settingText_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{settingText_};
    edit_->setText(toQString(text));
}

void TextBox::textChanged() {
    if (!onChange) return;
    if (settingText_) {
        onChange();
    } else {
        dispatch([this] { onChange(); });
    }
}

void TextBox::setBackColor(Colour colour) {
    backColor_ = colour;
    if (edit_ != nullptr) edit_->setPalette(ownPalette());
}

// A palette that sets no colour leaves the box to the window's scheme, text and background
// together; a fixed colour takes the text colour that reads on it.
QPalette TextBox::ownPalette() const {
    QPalette palette;
    if (!isSystemColour(backColor_)) {
        palette.setColor(QPalette::Base, toQColor(backColor_));
        palette.setColor(QPalette::Text, lightScheme().color(QPalette::Text));
    }
    return palette;
}

void TextBox::setMark(Mark mark) {
    if (mark == mark_) return;
    mark_ = mark;
    if (container() != nullptr && container()->surface() != nullptr) container()->surface()->update(markArea());
}

QRect TextBox::markArea() const {
    constexpr float Gap = 15;    // one pixel
    constexpr float Side = 165;  // eleven pixels
    return toQRect(left() + width() + Gap, top() + 2 * Gap, Side, Side);
}

// A tick for right and a cross for wrong, in the text colour of what stands around the box.
void TextBox::paint(QPainter& painter) const {
    if (mark_ == Mark::None) return;
    const QRectF area = QRectF(markArea()).adjusted(1, 1, -1, -1);
    QPen pen(toQColor(colour::WindowText), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    QPainterPath path;
    if (mark_ == Mark::Right) {
        path.moveTo(area.left(), area.top() + area.height() * 0.55);
        path.lineTo(area.left() + area.width() * 0.38, area.bottom());
        path.lineTo(area.right(), area.top());
    } else {
        path.moveTo(area.topLeft());
        path.lineTo(area.bottomRight());
        path.moveTo(area.topRight());
        path.lineTo(area.bottomLeft());
    }
    painter.drawPath(path);
}

}  // namespace tarnivo::tk

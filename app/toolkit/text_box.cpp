// SPDX-License-Identifier: MIT
#include "app/toolkit/text_box.h"

#include <QLineEdit>
#include <QPalette>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

void TextBox::create(const Design& design) {
    edit_ = new QLineEdit();
    adoptWidget(edit_);
    edit_->setFont(toQFont(design.font));
    edit_->setAlignment(toQAlignment(design.align) | Qt::AlignVCenter);
    edit_->setText(toQString(design.caption));
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
    if (edit_ == nullptr) return;
    // A palette that sets no colour leaves the box to the window's scheme, text and
    // background together; a fixed colour takes the text colour that reads on it.
    QPalette palette;
    if (!isSystemColour(colour)) {
        palette.setColor(QPalette::Base, toQColor(colour));
        palette.setColor(QPalette::Text, lightScheme().color(QPalette::Text));
    }
    edit_->setPalette(palette);
}

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#include "app/toolkit/command_button.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStringList>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

namespace {
// A caption wider than its button breaks between words onto further lines, as push-button
// captions do, instead of being cut off at both ends. "&" marks take no width.
QString wrapped(const QString& caption, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    const auto shownWidth = [&](QString text) { return metrics.horizontalAdvance(text.remove(QLatin1Char('&'))); };
    QString lines;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && shownWidth(longer) > width) {
            lines += line + QLatin1Char('\n');
            line = word;
        } else {
            line = longer;
        }
    }
    return lines + line;
}

// The caption as a screen reader says it: without the access-key marks, "&&" read as "&".
QString spoken(const std::string& caption) {
    QString text;
    const QString marked = toQString(caption);
    for (qsizetype i = 0; i < marked.size(); ++i) {
        if (marked[i] == QLatin1Char('&') && i + 1 < marked.size()) ++i;
        text += marked[i];
    }
    return text;
}
}  // namespace

void CommandButton::create(const Design& design) {
    button_ = new QPushButton();
    adoptWidget(button_);
    button_->setFont(toQFont(design.font));
    button_->setAutoDefault(false);
    button_->setFocusPolicy(Qt::StrongFocus);
    setCaption(design.caption);
    QObject::connect(button_, &QPushButton::clicked, [this] {
        // An access key's press is animated and lands about 100 ms after the key; a click
        // in that time may already have disabled or hidden the button, and then the late
        // press must do nothing, as a click on such a button does.
        if (!shownOnScreen() || !usable()) return;
        dispatch([this] {
            if (onClick) onClick();
        });
    });
}

void CommandButton::setCaption(const std::string& caption) {
    caption_ = caption;
    // Qt reads "&" as the access key, as the caption means. The button's frame and
    // padding take a few pixels on each side.
    constexpr int Padding = 8;
    if (button_ == nullptr) return;
    button_->setText(wrapped(toQString(caption), button_->font(), toPixels(width()) - Padding));
    // The name is the caption on one line, whatever the wrapping on screen.
    button_->setAccessibleName(spoken(caption));
}

void CommandButton::press() {
    if (button_ != nullptr && shownOnScreen() && usable()) button_->click();
}

}  // namespace tarnivo::tk

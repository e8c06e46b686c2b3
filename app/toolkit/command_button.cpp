// SPDX-License-Identifier: MIT
#include "app/toolkit/command_button.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStringList>
#include <utility>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/fitted_text.h"
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

// The caption's lines in the designed size of its face when they fit the button, otherwise in
// the largest smaller size that fits them, down to the smallest size a caption is drawn in.
std::pair<QFont, QString> fitted(const QString& caption, QFont font, QSize room) {
    const auto fits = [&](const QFont& candidate, const QString& lines) {
        const QFontMetrics metrics(candidate);
        const QStringList split = lines.split(QLatin1Char('\n'));
        for (QString line : split) {
            if (metrics.horizontalAdvance(line.remove(QLatin1Char('&'))) > room.width()) return false;
        }
        return metrics.lineSpacing() * split.size() <= room.height();
    };
    QString lines = wrapped(caption, font, room.width());
    for (int size = font.pixelSize() - 1; size >= smallestFittedPixels() && !fits(font, lines); --size) {
        font.setPixelSize(size);
        lines = wrapped(caption, font, room.width());
    }
    return {font, lines};
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
    constexpr int FrameHeight = 6;
    if (button_ == nullptr) return;
    const QSize room(toPixels(width()) - Padding, toPixels(height()) - FrameHeight);
    const auto [font, lines] = fitted(toQString(caption), toQFont(design().font), room);
    button_->setFont(font);
    button_->setText(lines);
    // The name is the caption on one line, whatever the wrapping on screen.
    button_->setAccessibleName(spoken(caption));
}

void CommandButton::press() {
    if (button_ != nullptr && shownOnScreen() && usable()) button_->click();
}

}  // namespace tarnivo::tk

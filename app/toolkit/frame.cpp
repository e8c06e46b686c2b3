// SPDX-License-Identifier: MIT
#include "app/toolkit/frame.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/label.h"
#include "app/toolkit/painted_names.h"
#include "app/toolkit/picture.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

class FrameWidget : public QWidget {
public:
    explicit FrameWidget(const Frame& owner) : owner_(owner) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        owner_.paintFrame(painter);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) owner_.mousePressed(event->position().toPoint());
        QWidget::mousePressEvent(event);
    }

private:
    const Frame& owner_;
};

void Frame::create(const Design& design) {
    auto* surface = new FrameWidget(*this);
    adoptWidget(surface);
    markSurface(*surface);
    // A frame without a caption on screen is still named for a screen reader.
    surface->setAccessibleName(toQString(design.accessibleName.empty() ? design.caption : design.accessibleName));
}

// With a sentence of its own, the frame fills in the numbers of its labels, so that a language
// can put its words (and prepositions) around them in its own order.
std::string Frame::phrase() const {
    QStringList words;
    QStringList numbers;
    for (const Control* control : readingOrder()) {
        if (!readByScreenReader(*control)) continue;
        words << spokenName(*control);
        if (dynamic_cast<const Label*>(control) != nullptr) numbers << words.back();
    }
    QString sentence = toQString(design().phrase);
    if (sentence.isEmpty()) return fromQString(words.join(QLatin1Char(' ')));
    for (const QString& number : numbers) sentence = sentence.arg(number);
    return fromQString(sentence);
}

void Frame::paintedTextChanged() {
    report(ControlChange::TextChanged);
    if (!design().readAsPhrase || phrasePending_ || widget() == nullptr) return;
    phrasePending_ = true;
    QTimer::singleShot(0, widget(), [this] {
        phrasePending_ = false;
        widget()->setAccessibleDescription(toQString(phrase()));
    });
}

void Frame::mousePressed(const QPoint& pixel) const {
    for (Control* control : controls()) {
        auto* picture = dynamic_cast<Picture*>(control);
        if (picture == nullptr || !picture->visible() || !picture->onMouseDown) continue;
        const QRect box = toQRect(picture->left(), picture->top(), picture->width(), picture->height());
        if (!box.contains(pixel)) continue;
        const float x = static_cast<float>(pixel.x()) * TwipsPerPixel - picture->left();
        const float y = static_cast<float>(pixel.y()) * TwipsPerPixel - picture->top();
        dispatch([picture, x, y] { picture->onMouseDown(x, y); });
        return;
    }
}

// A caption longer than the frame is wide, as a translation may be, is drawn smaller rather
// than over the frame's right edge.
FittedText Frame::drawnCaption() const {
    const QFont font = toQFont(FontStyle{});
    const QRect room(8, 0, toPixels(width()) - 16, QFontMetrics(font).height());
    return fitText({font, toQString(caption()), room});
}

void Frame::paintFrame(QPainter& painter) const {
    const QRect area = widget()->rect();
    const QPalette scheme = schemeOn(design().backColor, widget()->palette());
    painter.fillRect(area, toQColor(design().backColor, scheme));
    if (!design().borderless) {
        const QFont font = toQFont(FontStyle{});
        const QFontMetrics metrics(font);
        const int lineTop = metrics.height() / 2;
        // An etched line: dark, with a light line one pixel below and to the right.
        const QRect box(0, lineTop, area.width() - 1, area.height() - lineTop - 1);
        fillBorder(painter, box, 1, scheme.color(QPalette::Dark));
        fillBorder(painter, box.translated(1, 1), 1, scheme.color(QPalette::Light));
        if (!caption().empty()) {
            const FittedText shown = drawnCaption();
            const QRect textArea(6, 0, QFontMetrics(shown.font).horizontalAdvance(shown.text) + 4, metrics.height());
            painter.fillRect(textArea, toQColor(design().backColor, scheme));
            painter.setFont(shown.font);
            painter.setPen(toQColor(design().foreColor, scheme));
            painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, shown.text);
        }
    }
    paintControls(painter);
}

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#include "app/toolkit/option_button.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolTip>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

class OptionWidget : public QRadioButton {
public:
    explicit OptionWidget(OptionButton& owner) : owner_(owner) {}

protected:
    // The tip shows the option's name. It is shown here rather than set as the widget's
    // tool tip, which a screen reader would read a second time as the description.
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip || accessibleName().isEmpty()) return QRadioButton::event(event);
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), accessibleName(), this);
        return true;
    }
    // The style's own focus mark on a radio button without a caption is faint; a ring as
    // strong as a push button's shows where the keyboard is.
    void paintEvent(QPaintEvent* event) override {
        QRadioButton::paintEvent(event);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        drawEdge(painter);
        if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }

private:
    // Styles draw the circle's edge a shade darker than the window colour, which is faint on
    // a light scheme and vanishes on a dark or high-contrast one (black on black), so an
    // option that is not chosen could not be seen; the edge is drawn again over it.
    void drawEdge(QPainter& painter) const {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect circle = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
        const double radius = (circle.width() + (circle.width() + 1) % 2) / 2.0 - 1;
        painter.setPen(QPen(owner_.edgeColour(palette()), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(circle.center()) + QPointF(1, 1), radius, radius);
    }

    OptionButton& owner_;
};

void OptionButton::create(const Design& design) {
    radio_ = new OptionWidget(*this);
    adoptWidget(radio_);
    radio_->setAutoExclusive(true);
    radio_->setFocusPolicy(Qt::StrongFocus);
    settingValue_ = true;
    radio_->setChecked(design.selected);
    settingValue_ = false;
    QObject::connect(radio_, &QRadioButton::toggled, [this](bool checked) { userToggled(checked); });
}

bool OptionButton::value() const { return radio_ != nullptr && radio_->isChecked(); }

void OptionButton::setValue(bool selected) {
    if (radio_ == nullptr || selected == value()) return;
    settingValue_ = true;
    if (selected) {
        radio_->setChecked(true);  // the group clears the others
    } else {
        // An exclusive group refuses to clear its selected button, so step outside it.
        radio_->setAutoExclusive(false);
        radio_->setChecked(false);
        radio_->setAutoExclusive(true);
    }
    settingValue_ = false;
    if (selected && onClick) onClick(index());
}

void OptionButton::userToggled(bool checked) {
    if (settingValue_ || !checked || !onClick) return;
    dispatch([this] { onClick(index()); });
}

QColor OptionButton::edgeColour(const QPalette& scheme) const {
    if (container() == nullptr) return scheme.color(QPalette::WindowText);
    const Colour back = container()->backColor();
    return boundaryColour(toQColor(back, scheme), scheme.color(QPalette::Base),
                          schemeOn(back, scheme).color(QPalette::WindowText));
}

}  // namespace tarnivo::tk

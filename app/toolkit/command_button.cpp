// SPDX-License-Identifier: MIT
#include "app/toolkit/command_button.h"

#include <QPushButton>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

void CommandButton::create(const Design& design) {
    button_ = new QPushButton();
    adoptWidget(button_);
    button_->setFont(toQFont(design.font));
    button_->setAutoDefault(false);
    button_->setFocusPolicy(Qt::StrongFocus);
    setCaption(design.caption);
    QObject::connect(button_, &QPushButton::clicked, [this] {
        dispatch([this] {
            if (onClick) onClick();
        });
    });
}

void CommandButton::setCaption(const std::string& caption) {
    caption_ = caption;
    // Qt reads "&" as the access key, as the caption means.
    if (button_ != nullptr) button_->setText(toQString(caption));
}

void CommandButton::press() {
    if (button_ != nullptr && shownOnScreen() && usable()) button_->click();
}

}  // namespace tarnivo::tk

// SPDX-License-Identifier: MIT
#include "app/toolkit/keyboard_rules.h"

#include <QKeyEvent>
#include <QWidget>

#include "app/toolkit/command_button.h"
#include "app/toolkit/window.h"
#include "app/toolkit/window_widget.h"

namespace tarnivo::tk {

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* window = dynamic_cast<Window*>(WindowWidget::windowOf(widget));
    if (window == nullptr || window->unloaded()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (isAltLetter(*key)) return true;
    const auto modifiers = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers != Qt::NoModifier) return false;
    switch (key->key()) {
        case Qt::Key_Tab: window->focusNextControl(!(key->modifiers() & Qt::ShiftModifier)); return true;
        case Qt::Key_Backtab: window->focusNextControl(false); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: return pressForEnter(*window);
        default: return false;
    }
}

bool KeyboardRules::isAltLetter(const QKeyEvent& key) {
    const auto modifiers = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return modifiers == Qt::AltModifier && !key.text().isEmpty() && key.text().front().isPrint();
}

bool KeyboardRules::pressForEnter(Window& window) {
    if (auto* focused = dynamic_cast<CommandButton*>(window.focusedControl())) {
        focused->press();
        return true;
    }
    if (CommandButton* button = window.defaultButton()) {
        button->press();  // does nothing while the button is disabled
        return true;
    }
    return false;
}

}  // namespace tarnivo::tk

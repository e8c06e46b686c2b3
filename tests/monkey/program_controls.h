// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "app/toolkit/control.h"

class QWidget;

namespace monkey {

namespace tk = tarnivo::tk;

// The controls with a widget of their own (buttons, boxes, options, frames) in the
// program's windows that are loaded now.
std::vector<const tk::Control*> widgetControls();

// The control whose widget this is, or nullptr for a window's own widget.
const tk::Control* controlOf(const QWidget* widget);

// The name a report gives a widget: the control's name or the window's caption.
std::string nameOf(const QWidget* widget);

// True for the Exit button of either window.
bool isExitButton(const tk::Control* control);

}  // namespace monkey

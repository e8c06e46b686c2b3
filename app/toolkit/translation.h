// SPDX-License-Identifier: MIT
#pragma once

// Windows mark their texts with Qt's own macros (Q_DECLARE_TR_FUNCTIONS in the class, QT_TR_NOOP
// in the layout table, tr() in handlers), which Qt Linguist's lupdate collects for translators.
#include <QCoreApplication>
#include <string>

#include "app/toolkit/design.h"

namespace tarnivo::tk {

// A window's texts are written in English in its layout table and shown in the user's
// language: each is looked up in the window's translation context, and a text with no
// translation (a number, a name) stays as it is.
std::string translated(const std::string& context, const std::string& text);

// The design with its caption, accessible name and announcement words translated.
Design translated(const std::string& context, Design design);

}  // namespace tarnivo::tk

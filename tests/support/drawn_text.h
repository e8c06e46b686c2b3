// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace tarnivo::testing {

// Whether every character of the text has a glyph in the font or in the fonts the system
// falls back to for it: glyph 0 is the empty box drawn for a character no font has.
bool everyCharacterHasAGlyph(const QString& text, const QFont& font);

}  // namespace tarnivo::testing

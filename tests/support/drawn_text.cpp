// SPDX-License-Identifier: MIT
#include "tests/support/drawn_text.h"

#include <QGlyphRun>
#include <QTextLayout>

namespace tarnivo::testing {

bool everyCharacterHasAGlyph(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (const quint32 index : run.glyphIndexes()) {
            if (index == 0) return false;
            ++glyphs;
        }
    }
    return glyphs > 0;
}

}  // namespace tarnivo::testing

// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

class QPainter;

// The column of seven small formulas that labels the answer-shape options:
// a√b/c, √b/c, a/c, a√b, a, √b and 1/c, each level with its option button.
class AnswerFormsSheet {
public:
    AnswerFormsSheet();

    QImage draw() const;

    // The face the letters were set in, for the tool's report.
    QString letterFace() const;

private:
    // One side of a formula: any of a coefficient, a radical over b, a bold 1.
    struct Term {
        bool coefficient = false;
        bool radical = false;
        bool one = false;
    };

    int termWidth(const Term& term) const;
    void drawTerm(QPainter& painter, const Term& term, int left, int baseline) const;
    void drawFraction(QPainter& painter, const Term& numerator, int barRow) const;
    void drawGlyph(QPainter& painter, const QFont& font, QChar glyph, int left, int baseline) const;
    int glyphWidth(const QFont& font, QChar glyph) const;
    void drawRadical(QPainter& painter, int left, int overbarRow, int right) const;

    QFont letterFont_;
    QFont numeralFont_;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QString>

// The outline of a radical sign as one closed polygon: a short tick at the
// left, a heavy stroke down to the vertex, a thin stroke up to the overbar and
// the overbar itself. The left part keeps its shape whatever the width, so a
// wide box only lengthens the overbar.
class RadicalShape {
public:
    struct Weights {
        double heavy;  // thickness of the down stroke, across the stroke
        double thin;   // thickness of the up stroke, across the stroke
        double bar;    // height of the overbar
        double tick;   // vertical thickness of the tick
    };

    // box: from the tick's left end to the overbar's right end, and from the
    // overbar's top edge to the bottom of the vertex.
    RadicalShape(const QRectF& box, const Weights& weights);

    QPolygonF outline() const;

    // The outline as SVG path data, coordinates rounded to 0.01.
    QString svgPath() const;

private:
    QRectF box_;
    Weights weights_;
};

// SPDX-License-Identifier: MIT
#include "radical_shape.h"

#include <QLineF>
#include <QPointF>
#include <cmath>

namespace {

// Proportions of the sign's left part, as fractions of the box height,
// measured from the box's top-left corner.
constexpr double tickTop = 0.657;           // upper edge of the tick at its left end
constexpr double heavyTopCentre = 0.153;    // centre of the heavy stroke's flat top
constexpr double heavyTopY = 0.606;         // height of that flat top
constexpr double heavySlope = 0.584;        // dx/dy of the heavy stroke
constexpr double thinBottomCentre = 0.336;  // centre of the thin stroke at the bottom
constexpr double thinTopCentre = 0.548;     // centre of the thin stroke at the top

QPointF cross(const QLineF& a, const QLineF& b) {
    QPointF at;
    a.intersects(b, &at);
    return at;
}

QLineF horizontal(double y) { return QLineF(0.0, y, 1.0, y); }

// A line parallel to `centre`, moved sideways by `offset` measured across it.
QLineF shifted(const QLineF& centre, double offset) {
    const QPointF normal = QPointF(-centre.dy(), centre.dx()) / centre.length();
    return centre.translated(normal * offset);
}

}  // namespace

RadicalShape::RadicalShape(const QRectF& box, const Weights& weights) : box_(box), weights_(weights) {}

QPolygonF RadicalShape::outline() const {
    const double x0 = box_.left();
    const double y0 = box_.top();
    const double h = box_.height();
    const double bottom = box_.bottom();

    const QLineF thin(x0 + thinBottomCentre * h, bottom, x0 + thinTopCentre * h, y0);
    // Going up the stroke, positive offsets lie to the right of it.
    const QLineF thinLeft = shifted(thin, -weights_.thin / 2);
    const QLineF thinRight = shifted(thin, weights_.thin / 2);

    const double heavyY = y0 + heavyTopY * h;
    const QPointF heavyTop(x0 + heavyTopCentre * h, heavyY);
    const QLineF heavy(heavyTop, heavyTop + QPointF(heavySlope, 1.0) * h);
    const QLineF heavyLeft = shifted(heavy, weights_.heavy / 2);
    const QLineF heavyRight = shifted(heavy, -weights_.heavy / 2);

    // The tick rises straight to the peak of the heavy stroke, so the two
    // read as one stroke rather than a hook.
    const QPointF tickUpperLeft(x0, y0 + tickTop * h);
    const QPointF peak = cross(heavyRight, horizontal(heavyY));
    const QLineF tickLower = QLineF(tickUpperLeft, peak).translated(0.0, weights_.tick);

    QPolygonF polygon;
    polygon << tickUpperLeft << peak << cross(heavyRight, thinLeft) << cross(thinLeft, horizontal(y0))
            << QPointF(box_.right(), y0) << QPointF(box_.right(), y0 + weights_.bar)
            << cross(thinRight, horizontal(y0 + weights_.bar)) << cross(thinRight, horizontal(bottom))
            << cross(heavyLeft, horizontal(bottom)) << cross(heavyLeft, tickLower) << tickLower.p1();
    return polygon;
}

QString RadicalShape::svgPath() const {
    const QPolygonF polygon = outline();
    QString path;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        path += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L"));
        path += QString::number(std::round(polygon[i].x() * 100) / 100, 'g', 8) + QLatin1Char(' ') +
                QString::number(std::round(polygon[i].y() * 100) / 100, 'g', 8);
    }
    return path + QStringLiteral(" Z");
}

#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>

// Where the parts of a speech bubble lie inside the control, in twips, for
// the arrow position (0 top, 1 right, 2 lower right, 3 bottom) and the
// control's inner size. The host moves the control so that `spitze` lands on
// the point the bubble talks about.
struct SprechblasenGeometrie {
    static constexpr int kRand = 15;
    static constexpr int kTextabstand = 180;
    static constexpr int kZeigerbasis = 600;

    QPoint spitze;
    // The pointer as a triangle: tip, then the two ends of its base.
    QPolygon zeiger;
    QRect koerper;
    QRect text;

    static bool gueltigePfeilposition(int pfeilposition) { return pfeilposition >= 0 && pfeilposition <= 3; }
    // Positions outside 0 ... 3 are taken as 0.
    static SprechblasenGeometrie fuer(int pfeilposition, QSize groesse);

    // Body and pointer as one outline, so the border runs round both without a seam.
    QPainterPath umriss() const;
};

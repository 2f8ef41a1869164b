#include "controls/SprechblasenGeometrie.h"

namespace {

// Corner radius of the body, in twips.
constexpr qreal kEckradius = 240;

// The body from the free edges' margin to the right and bottom ends given.
QRect koerperBis(int rechts, int unten)
{
    using G = SprechblasenGeometrie;
    return QRect(G::kRand, G::kRand, rechts - G::kRand, unten - G::kRand);
}

} // namespace

SprechblasenGeometrie SprechblasenGeometrie::fuer(int pfeilposition, QSize groesse)
{
    const int W = groesse.width();
    const int H = groesse.height();
    const int basis = kZeigerbasis;
    SprechblasenGeometrie g;
    QPoint basisA;
    QPoint basisB;
    // The body reaches halfway into the pointer's base on positions 1 to 3, so
    // the pointer grows out of its edge instead of touching it at one corner.
    switch (gueltigePfeilposition(pfeilposition) ? pfeilposition : 0) {
    case 0:
        g.spitze = QPoint(1200, 0);
        basisA = QPoint(360, 750);
        basisB = basisA + QPoint(basis, 0);
        g.koerper = QRect(kRand, basisA.y(), W - 2 * kRand, H - basisA.y() - 2 * kRand);
        break;
    case 1:
        g.spitze = QPoint(W - 30, 1500);
        basisA = QPoint(W - 630, 600);
        basisB = basisA + QPoint(basis, 0);
        g.koerper = koerperBis(basisA.x() + basis / 2, H - kRand);
        break;
    case 2:
        g.spitze = QPoint(W - 30, H);
        basisA = QPoint(g.spitze.x() - 900, H - 660);
        basisB = basisA + QPoint(0, basis);
        g.koerper = koerperBis(W - kRand, basisA.y() + basis / 2);
        break;
    default:
        // The pointer sits at the right end, so a bubble for a control at the screen's right edge stays on it.
        g.spitze = QPoint(W - kRand - basis - kRand, H);
        basisA = QPoint(g.spitze.x() + basis, H - 900);
        basisB = basisA + QPoint(0, basis);
        g.koerper = koerperBis(W - kRand, basisA.y() + basis / 2);
        break;
    }
    g.zeiger = QPolygon({ g.spitze, basisA, basisB });
    g.text = g.koerper.adjusted(kTextabstand, kTextabstand, -kTextabstand, -kTextabstand);
    return g;
}

QPainterPath SprechblasenGeometrie::umriss() const
{
    QPainterPath koerperPfad;
    koerperPfad.addRoundedRect(QRectF(koerper), kEckradius, kEckradius);
    QPainterPath zeigerPfad;
    zeigerPfad.addPolygon(QPolygonF(zeiger));
    zeigerPfad.closeSubpath();
    return koerperPfad.united(zeigerPfad).simplified();
}

#include "controls/SprechblasenGeometrie.h"
#include "controls/ui/ctlSprechblase.h"

#include <gtest/gtest.h>
#include <QPushButton>

namespace {

TEST(SprechblasenGeometrie, TipLandsOnItsPlaceAndBodyKeepsTextAndMargins)
{
    // The help tour's sizes with every arrow position; an unknown position points up.
    const std::tuple<int, QSize, QPoint> lagen[] = { { 0, { 3600, 2400 }, { 1200, 0 } },
        { 1, { 3600, 1800 }, { 3570, 1500 } }, { 2, { 3000, 1500 }, { 2970, 1500 } },
        { 3, { 3600, 1800 }, { 2970, 1800 } }, { 7, { 3600, 2400 }, { 1200, 0 } } };
    for (const auto& [pfeilposition, groesse, spitze] : lagen) {
        SCOPED_TRACE(pfeilposition);
        const auto g = SprechblasenGeometrie::fuer(pfeilposition, groesse);
        EXPECT_EQ(g.spitze, spitze);
        EXPECT_TRUE(QRect(QPoint(0, 0), groesse).adjusted(15, 15, -15, -15).contains(g.koerper)
            && !g.koerper.contains(g.spitze) && g.koerper.contains(g.text) && g.text.height() >= 500)
            << "body 15 twips from the edges, the pointer out of it, two lines of text in it";

        const QPainterPath umriss = g.umriss();
        EXPECT_TRUE(umriss.contains(QPointF(g.koerper.center())));
        // Just inside the tip, towards the middle of the pointer's base.
        const QPointF basisMitte = (QPointF(g.zeiger[1]) + QPointF(g.zeiger[2])) / 2;
        EXPECT_TRUE(umriss.contains(QPointF(g.spitze) + (basisMitte - QPointF(g.spitze)) * 0.1));
        EXPECT_EQ(umriss.toFillPolygons().size(), 1) << "the pointer grows out of the body";
    }
}

TEST(ctlSprechblase, PointMovesTheBubbleSoTheTipTouchesItOtherChangesLeaveItAndTouchesGoThrough)
{
    QWidget host;
    host.resize(800, 600);
    QPushButton knopf(&host);
    knopf.setGeometry(host.rect());
    ctlSprechblase blase(&host);
    blase.resize(240, 120);
    blase.setPfeilposition(1);
    blase.setPunktX(6000);
    blase.setPunktY(4500);
    EXPECT_LE((blase.pos() + blase.spitze() * blase.logicalDpiX() / 1440 - QPoint(400, 300)).manhattanLength(), 2)
        << "6000 x 4500 twips at 96 dpi";

    // A new text redraws in place; a negative border and an unknown arrow position are ignored.
    const QPoint vorher = blase.pos();
    blase.setTextMy(QStringLiteral("Neu"));
    blase.setMyBorderWidth(-1);
    blase.setPfeilposition(4);
    EXPECT_TRUE(blase.pos() == vorher && blase.MyBorderWidth() == 3 && blase.Pfeilposition() == 1);
    host.show();
    EXPECT_EQ(host.childAt(blase.geometry().center()), &knopf);
}

} // namespace

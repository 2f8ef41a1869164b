#include "common/Twips.h"
#include "controls/SprechblasenGeometrie.h"
#include "controls/ui/ctlSprechblase.h"

#include <gtest/gtest.h>
#include <QPushButton>

namespace {

struct Lage {
    int pfeilposition;
    QSize groesse;
    QPoint spitze;
};

class SprechblasenGeometrieTest : public ::testing::TestWithParam<Lage> { };

// The help tour's sizes with every arrow position.
INSTANTIATE_TEST_SUITE_P(AllePfeilpositionen, SprechblasenGeometrieTest,
    ::testing::Values(Lage { 0, { 3600, 2400 }, { 1200, 0 } }, Lage { 1, { 3600, 1800 }, { 3570, 1500 } },
        Lage { 2, { 3000, 1500 }, { 2970, 1500 } }, Lage { 3, { 3600, 1800 }, { 2970, 1800 } },
        Lage { 3, { 2400, 1800 }, { 1770, 1800 } }));

TEST_P(SprechblasenGeometrieTest, TipLandsOnItsPlaceAndBodyKeepsTextAndMargins)
{
    const Lage lage = GetParam();
    const auto g = SprechblasenGeometrie::fuer(lage.pfeilposition, lage.groesse);
    EXPECT_EQ(g.spitze, lage.spitze);
    EXPECT_EQ(g.zeiger.first(), g.spitze);

    const QRect control(QPoint(0, 0), lage.groesse);
    const QRect innen = control.adjusted(15, 15, -15, -15);
    EXPECT_TRUE(innen.contains(g.koerper)) << "body keeps 15 twips from the edges";
    EXPECT_FALSE(g.koerper.contains(g.spitze)) << "the pointer sticks out of the body";
    EXPECT_TRUE(g.koerper.contains(g.text));
    EXPECT_GE(g.text.height(), 500) << "room for two lines of text";

    const QPainterPath umriss = g.umriss();
    EXPECT_TRUE(umriss.contains(QPointF(g.koerper.center())));
    // Just inside the tip, towards the middle of the pointer's base.
    const QPointF basisMitte = (QPointF(g.zeiger[1]) + QPointF(g.zeiger[2])) / 2;
    const QPointF nahSpitze = QPointF(g.spitze) + (basisMitte - QPointF(g.spitze)) * 0.1;
    EXPECT_TRUE(umriss.contains(nahSpitze));
    // One outline: the pointer grows out of the body.
    EXPECT_EQ(umriss.toFillPolygons().size(), 1);
}

TEST(SprechblasenGeometrie, TopArrowPlacesBodyBelowItAndIsTakenForInvalidPositions)
{
    const auto oben = SprechblasenGeometrie::fuer(0, { 3600, 2400 });
    EXPECT_EQ(oben.koerper, QRect(15, 750, 3570, 1620));
    EXPECT_EQ(oben.text, QRect(195, 930, 3210, 1260));
    EXPECT_EQ(SprechblasenGeometrie::fuer(7, { 3600, 2400 }).spitze, QPoint(1200, 0));
}

int px(const QWidget& w, int twips)
{
    return twipsToPixels(twips, w.logicalDpiX());
}

TEST(ctlSprechblase, PointMovesTheBubbleSoTheTipTouchesItAndOtherChangesLeaveItThere)
{
    QWidget host;
    host.resize(800, 600);
    ctlSprechblase blase(&host);
    blase.resize(px(blase, 3600), px(blase, 2400));
    blase.setPfeilposition(0);
    blase.setPunktX(1800);
    blase.setPunktY(3000);
    EXPECT_EQ(blase.pos(), QPoint(px(blase, 600), px(blase, 3000)));

    blase.resize(px(blase, 3600), px(blase, 1800));
    blase.setPfeilposition(1);
    blase.setPunktX(6000);
    blase.setPunktY(4500);
    const QPoint spitze(px(blase, blase.spitze().x()), px(blase, blase.spitze().y()));
    EXPECT_LE((blase.pos() + spitze - QPoint(px(blase, 6000), px(blase, 4500))).manhattanLength(), 2);

    // A new text redraws in place; a negative border and an unknown arrow position are ignored.
    const QPoint vorher = blase.pos();
    blase.setTextMy(QStringLiteral("Neu"));
    blase.setMyBorderWidth(-1);
    blase.setPfeilposition(4);
    EXPECT_EQ(blase.pos(), vorher);
    EXPECT_EQ(blase.MyBorderWidth(), 3);
    EXPECT_EQ(blase.Pfeilposition(), 1);
}

TEST(ctlSprechblase, TouchesGoThroughToTheControlBelow)
{
    QWidget host;
    host.resize(400, 300);
    QPushButton knopf(&host);
    knopf.setGeometry(0, 0, 400, 300);
    ctlSprechblase blase(&host);
    blase.setGeometry(50, 50, 240, 160);
    host.show();
    EXPECT_EQ(host.childAt(150, 120), &knopf);
}

} // namespace

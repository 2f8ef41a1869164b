#include "controls/ui/CtlButtons.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

TEST(CtlButtons, EachLookShowsItsPartsAndUnknownLooksChangeNothing)
{
    QWidget container;
    CtlButtons knopf(&container);
    knopf.setGeometry(0, 0, 120, 60);
    knopf.setCaption(QStringLiteral("Los"));
    knopf.setBorderWidth(3);
    container.show();
    struct Aussehen {
        int stil;
        bool command, label, shape;
        int shapeNummer;
    };
    for (const Aussehen& a : { Aussehen { 1, false, true, true, 2 }, Aussehen { 2, false, true, true, 4 },
             Aussehen { 3, false, false, true, 0 }, Aussehen { 0, true, false, false, 0 } }) {
        knopf.setStil(a.stil);
        EXPECT_EQ(knopf.Command1()->isVisible(), a.command) << a.stil;
        EXPECT_EQ(knopf.Label1()->isVisible(), a.label) << a.stil;
        EXPECT_EQ(knopf.shapeSichtbar(), a.shape) << a.stil;
        EXPECT_EQ(knopf.Shape(), a.shapeNummer) << a.stil;
    }
    knopf.setStil(1);
    EXPECT_EQ(knopf.Label1()->text(), QStringLiteral("Los"));
    EXPECT_LE(qAbs(knopf.Label1()->geometry().center().y() - 30), 1) << "caption centred on the shape";
    knopf.setStil(5);
    EXPECT_EQ(knopf.Shape(), 2);
    EXPECT_TRUE(knopf.Label1()->isVisible());
}

TEST(CtlButtons, PositionCheckIsStrictlyInsideForEveryLookAndRestoreKeepsWidePlaces)
{
    QWidget container;
    CtlButtons knopf(&container);
    // Beyond about 2,185 pixels a place in 16-bit twips would overflow.
    knopf.setGeometry(3000, 100, 200, 50);
    knopf.Save();
    knopf.setGeometry(0, 0, 10, 10);
    knopf.Restore();
    for (int stil : { 0, 1, 2, 3 }) {
        knopf.setStil(stil);
        EXPECT_TRUE(knopf.PositionCheck(3001, 101) && knopf.PositionCheck(3199, 149)) << stil;
        for (const QPoint& p : { QPoint(3000, 120), QPoint(3100, 100), QPoint(3200, 120), QPoint(3100, 150) })
            EXPECT_FALSE(knopf.PositionCheck(p.x(), p.y())) << stil << " " << p.x() << "," << p.y();
    }
}

TEST(CtlButtons, HotSpotStillReportsClicksAndMouseEvents)
{
    QWidget container;
    CtlButtons knopf(&container);
    knopf.setGeometry(0, 0, 100, 40);
    knopf.setCaption(QStringLiteral("Los"));
    container.show();
    QSignalSpy clicks(&knopf, &CtlButtons::Click);
    QSignalSpy downs(&knopf, &CtlButtons::MouseDown);
    knopf.setTransparent(true);
    EXPECT_FALSE(knopf.Command1()->isVisible());
    EXPECT_TRUE(knopf.Label1()->isVisible() && knopf.Label1()->text().isEmpty());
    QTest::mouseClick(knopf.Label1(), Qt::RightButton, Qt::ShiftModifier, QPoint(4, 2));
    EXPECT_EQ(clicks.size(), 1);
    ASSERT_EQ(downs.size(), 1);
    EXPECT_EQ(downs[0], (QList<QVariant> { 2, 1, 4 * 1440 / knopf.logicalDpiX(), 2 * 1440 / knopf.logicalDpiY() }));

    knopf.setTransparent(false);
    QTest::mouseClick(knopf.Command1(), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 2);
    EXPECT_FALSE(knopf.Label1()->isVisible());
}

} // namespace

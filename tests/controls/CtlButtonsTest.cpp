#include "controls/ui/CtlButtons.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

TEST(CtlButtons, TheHotSpotReportsMouseEventsAndTouchesCountStrictlyInsideInEveryLook)
{
    QWidget container;
    CtlButtons knopf(&container);
    knopf.setGeometry(0, 0, 120, 60);
    knopf.setCaption(QStringLiteral("Los"));
    container.show();
    knopf.setStil(0);
    QSignalSpy clicks(&knopf, &CtlButtons::Click);
    QSignalSpy downs(&knopf, &CtlButtons::MouseDown);
    knopf.setTransparent(true);
    EXPECT_TRUE(!knopf.Command1()->isVisible() && knopf.Label1()->isVisible() && knopf.Label1()->text().isEmpty());
    QTest::mouseClick(knopf.Label1(), Qt::RightButton, Qt::ShiftModifier, QPoint(4, 2));
    ASSERT_TRUE(clicks.size() == 1 && downs.size() == 1);
    EXPECT_EQ(downs[0], (QList<QVariant> { 2, 1, 4 * 1440 / knopf.logicalDpiX(), 2 * 1440 / knopf.logicalDpiY() }));

    knopf.setTransparent(false);
    QTest::mouseClick(knopf.Command1(), Qt::LeftButton);
    EXPECT_TRUE(clicks.size() == 2 && !knopf.Label1()->isVisible());

    // Strictly inside for every look, also beyond 2,185 pixels, where a place in 16-bit twips would overflow.
    knopf.setGeometry(3000, 100, 200, 50);
    knopf.Save();
    knopf.setGeometry(0, 0, 10, 10);
    knopf.Restore();
    for (int stil : { 0, 1, 2, 3 }) {
        knopf.setStil(stil);
        EXPECT_TRUE(knopf.PositionCheck(3001, 101) && knopf.PositionCheck(3199, 149)) << stil;
        EXPECT_FALSE(knopf.PositionCheck(3000, 120) || knopf.PositionCheck(3100, 150)) << stil;
    }
}

} // namespace

#include "controls/ui/CtlButtons.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

TEST(CtlButtons, EachLookShowsItsPartsTheHotSpotReportsMouseEventsAndTouchesCountStrictlyInside)
{
    QWidget container;
    CtlButtons knopf(&container);
    knopf.setGeometry(0, 0, 120, 60);
    knopf.setCaption(QStringLiteral("Los"));
    container.show();
    // Look: command button, label and shape shown, the shape's kind.
    const std::tuple<int, bool, bool, bool, int> aussehen[] = { { 1, false, true, true, 2 },
        { 2, false, true, true, 4 }, { 3, false, false, true, 0 }, { 0, true, false, false, 0 } };
    for (const auto& [stil, command, label, shape, nummer] : aussehen) {
        knopf.setStil(stil);
        EXPECT_EQ(std::tuple(
                      knopf.Command1()->isVisible(), knopf.Label1()->isVisible(), knopf.shapeSichtbar(), knopf.Shape()),
            std::tuple(command, label, shape, nummer))
            << stil;
    }
    knopf.setStil(1);
    EXPECT_EQ(knopf.Label1()->text(), QStringLiteral("Los"));
    knopf.setStil(5);
    EXPECT_TRUE(knopf.Shape() == 2 && knopf.Label1()->isVisible());

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

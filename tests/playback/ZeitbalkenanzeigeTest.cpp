#include "playback/ui/Zeitbalkenanzeige.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The bar on a widget 640 px wide: height 40, so 20 px margins and 600 px
// for 600 seconds.
class Zeitbalkenanzeigetest : public ::testing::Test {
protected:
    void SetUp() override
    {
        anzeige.resize(640, 40);
        anzeige.show();
    }
    Zeitbalkenanzeige anzeige;
};

TEST_F(Zeitbalkenanzeigetest, BarAndNoteFollowTheSongOnTheSixHundredSecondScale)
{
    Balkenzustand zustand;
    zustand.BalkenLaenge = 300;
    zustand.Noteposition = 150;
    zustand.Balkentext = QString::fromUtf8(" 05:00   Titel\0\0Rest", 20);
    anzeige.zeigen(zustand);
    EXPECT_EQ(anzeige.balkenRechteck().left(), 20);
    EXPECT_EQ(anzeige.balkenRechteck().width(), 300);
    EXPECT_NEAR(anzeige.notenRechteck().center().x(), 20 + 150, 1);
    anzeige.grab().save(QStringLiteral("/tmp/zeitbalken.png"));

    QSignalSpy klick(&anzeige, &Zeitbalkenanzeige::Positionsgrafik_Click);
    QTest::mouseClick(&anzeige, Qt::LeftButton, {}, QPoint(170, 20));
    QTest::mouseClick(&anzeige, Qt::LeftButton, {}, QPoint(400, 20));
    EXPECT_EQ(klick.size(), 1) << "only the note reacts";
}

TEST_F(Zeitbalkenanzeigetest, NoteBlinksOnlyWhilePaused)
{
    Balkenzustand zustand;
    zustand.Blinken = true;
    anzeige.zeigen(zustand);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !anzeige.noteSichtbar(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return anzeige.noteSichtbar(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !anzeige.noteSichtbar(); }, 2000));
    zustand.Blinken = false;
    anzeige.zeigen(zustand);
    EXPECT_TRUE(anzeige.noteSichtbar());
}

} // namespace

#include "game/ui/frmTicTacToe.h"
#include "controls/ui/Funbutton.h"
#include "game/ui/ctlSmilie.h"

#include <gtest/gtest.h>
#include <QTest>

namespace {

void spielen(frmTicTacToe& fenster, std::initializer_list<int> felder)
{
    for (int feld : felder)
        QTest::mousePress(fenster.ctlSmilie1(feld), Qt::LeftButton);
}

// Every piece shows its cell of the game: placed or not, its colour and its mouth.
void expectBrettZeigtSpiel(const frmTicTacToe& fenster)
{
    for (int f = 0; f < TicTacToe::kFelder; ++f) {
        const ctlSmilie* stein = fenster.ctlSmilie1(f);
        ASSERT_EQ(stein->VisibleMy(), fenster.spiel().feld(f) != TicTacToe::Spieler::Keiner) << f;
        if (stein->VisibleMy()) {
            EXPECT_TRUE(stein->Farbe() == fenster.spiel().farbe(f) && stein->gewonnen() != fenster.spiel().traurig(f))
                << f;
        }
    }
}

bool zwanzigSekunden(frmTicTacToe& fenster)
{
    return fenster.Timer1().isActive() && fenster.Timer1().interval() == frmTicTacToe::kSchliessenNach
        && fenster.Timer1().remainingTime() > frmTicTacToe::kSchliessenNach - 1000;
}

TEST(frmTicTacToe, TouchesPlayInTurnAWinShowsOnTheBoardAndReopeningStartsAfresh)
{
    frmTicTacToe fenster;
    ASSERT_TRUE(fenster.oeffnen());
    EXPECT_FALSE(fenster.oeffnen()) << "a second press opens no second game";
    spielen(fenster, { 0, 3, 1, 4, 2, 8 });
    EXPECT_FALSE(fenster.ctlSmilie1(8)->VisibleMy()) << "no move after a win";
    expectBrettZeigtSpiel(fenster);

    QTest::mousePress(fenster.cmdEnde(), Qt::LeftButton);
    EXPECT_FALSE(fenster.isVisible() || fenster.Timer1().isActive());
    ASSERT_TRUE(fenster.oeffnen());
    EXPECT_TRUE(zwanzigSekunden(fenster));
    spielen(fenster, { 8, 3 });
    EXPECT_EQ(fenster.ctlSmilie1(8)->Farbe(), TicTacToe::kGelb) << "yellow begins every game";
    expectBrettZeigtSpiel(fenster); // also: no sad mouth of the last game
}

TEST(frmTicTacToe, EveryTouchRestartsTheTwentySecondsAndTheirEndCloses)
{
    frmTicTacToe fenster;
    // Lets the close timer nearly run out, to see whether the next step restarts it.
    auto fastAbgelaufen = [&] { fenster.Timer1().start(5); };
    fenster.oeffnen();
    EXPECT_TRUE(zwanzigSekunden(fenster));
    spielen(fenster, { 4 });
    fastAbgelaufen();
    spielen(fenster, { 4 });
    EXPECT_TRUE(zwanzigSekunden(fenster)) << "touch on a taken cell";
    EXPECT_EQ(fenster.spiel().Zug(), 2) << "a taken cell does not pass the turn";
    fastAbgelaufen();
    QTest::mousePress(fenster.cmdNeu(), Qt::LeftButton);
    EXPECT_TRUE(zwanzigSekunden(fenster) && !fenster.ctlSmilie1(4)->VisibleMy()) << "new game";

    fastAbgelaufen();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fenster.isVisible(); }, 2000)) << "closes in the middle of a game";
    EXPECT_FALSE(fenster.Timer1().isActive());
}

} // namespace

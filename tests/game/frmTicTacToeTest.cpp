#include "game/ui/frmTicTacToe.h"
#include "controls/Steuerfarbe.h"
#include "controls/ui/Funbutton.h"
#include "game/ui/ctlSmilie.h"

#include <gtest/gtest.h>
#include <QTest>

namespace {

void beruehren(frmTicTacToe& fenster, int feld)
{
    QTest::mousePress(fenster.ctlSmilie1(feld), Qt::LeftButton);
}

void spielen(frmTicTacToe& fenster, std::initializer_list<int> felder)
{
    for (int feld : felder)
        beruehren(fenster, feld);
}

// Lets the close timer run out soon, so a test sees whether something restarts it.
void fastAbgelaufen(frmTicTacToe& fenster)
{
    fenster.Timer1().start(5);
}

void bildSpeichern(frmTicTacToe& fenster, const QString& name)
{
    if (const QByteArray ordner = qgetenv("TONVARO_SCREENSHOTS"); !ordner.isEmpty())
        fenster.grab().save(QString::fromLocal8Bit(ordner) + '/' + name + ".png");
}

bool zwanzigSekunden(frmTicTacToe& fenster)
{
    return fenster.Timer1().isActive() && fenster.Timer1().interval() == frmTicTacToe::kSchliessenNach
        && fenster.Timer1().remainingTime() > frmTicTacToe::kSchliessenNach - 1000;
}

TEST(ctlSmilie, MouthOnlyChangesOnAVisiblePiece)
{
    ctlSmilie stein;
    stein.Mund(false);
    EXPECT_TRUE(stein.gewonnen());
    stein.setVisibleMy(true);
    stein.Mund(false);
    EXPECT_FALSE(stein.gewonnen());
}

TEST(frmTicTacToe, TouchesPlacePiecesInTurnAndAWinShowsOnTheBoard)
{
    frmTicTacToe fenster;
    ASSERT_TRUE(fenster.oeffnen());
    EXPECT_FALSE(fenster.oeffnen()) << "a second press opens no second game";
    spielen(fenster, { 0, 3, 1, 4 });
    EXPECT_TRUE(fenster.ctlSmilie1(0)->VisibleMy());
    EXPECT_EQ(fenster.ctlSmilie1(0)->Farbe(), TicTacToe::kGelb);
    EXPECT_EQ(fenster.ctlSmilie1(3)->Farbe(), TicTacToe::kGruen);
    EXPECT_FALSE(fenster.ctlSmilie1(2)->VisibleMy());

    beruehren(fenster, 2);
    ASSERT_TRUE(fenster.spiel().SpielEnde());
    bildSpeichern(fenster, QStringLiteral("spiel_gewonnen"));
    for (int feld : { 0, 1, 2 }) {
        EXPECT_EQ(fenster.ctlSmilie1(feld)->Farbe(), TicTacToe::kGelb);
        EXPECT_TRUE(fenster.ctlSmilie1(feld)->gewonnen());
    }
    for (int feld : { 3, 4 }) {
        EXPECT_EQ(fenster.ctlSmilie1(feld)->Farbe(), TicTacToe::kGruenBlass);
        EXPECT_FALSE(fenster.ctlSmilie1(feld)->gewonnen());
    }
    beruehren(fenster, 8);
    EXPECT_FALSE(fenster.ctlSmilie1(8)->VisibleMy()) << "no move after a win";
}

TEST(frmTicTacToe, EveryTouchRestartsTheTwentySecondsAndTheirEndCloses)
{
    frmTicTacToe fenster;
    fenster.oeffnen();
    EXPECT_TRUE(zwanzigSekunden(fenster));
    fastAbgelaufen(fenster);
    beruehren(fenster, 4);
    EXPECT_TRUE(zwanzigSekunden(fenster)) << "touch on an empty cell";
    fastAbgelaufen(fenster);
    beruehren(fenster, 4);
    EXPECT_TRUE(zwanzigSekunden(fenster)) << "touch on a taken cell";
    EXPECT_EQ(fenster.spiel().Zug(), 2) << "a taken cell does not pass the turn";
    fastAbgelaufen(fenster);
    QTest::mousePress(fenster.cmdNeu(), Qt::LeftButton);
    EXPECT_TRUE(zwanzigSekunden(fenster)) << "new game";
    EXPECT_FALSE(fenster.ctlSmilie1(4)->VisibleMy());

    fastAbgelaufen(fenster);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fenster.isVisible(); }, 2000)) << "closes in the middle of a game";
    EXPECT_FALSE(fenster.Timer1().isActive());
}

TEST(frmTicTacToe, ReopeningStartsAFreshGameWithHappyPiecesAndItsOwnTimer)
{
    frmTicTacToe fenster;
    fenster.oeffnen();
    spielen(fenster, { 0, 3, 1, 4, 2 });
    QTest::mousePress(fenster.cmdEnde(), Qt::LeftButton);
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_FALSE(fenster.Timer1().isActive()) << "closing stops the timer";

    ASSERT_TRUE(fenster.oeffnen());
    EXPECT_TRUE(zwanzigSekunden(fenster));
    for (int feld = 0; feld < TicTacToe::kFelder; ++feld)
        EXPECT_FALSE(fenster.ctlSmilie1(feld)->VisibleMy()) << feld;
    spielen(fenster, { 8, 3 });
    EXPECT_EQ(fenster.ctlSmilie1(8)->Farbe(), TicTacToe::kGelb);
    EXPECT_TRUE(fenster.ctlSmilie1(3)->gewonnen()) << "a sad mouth of the last game does not carry over";
}

TEST(frmTicTacToe, TheButtonsAreMadeFromTheOperatorsColoursAgainAfterAChange)
{
    frmTicTacToe fenster;
    fenster.oeffnen();
    EXPECT_FALSE(fenster.cmdNeu()->sichtbarePixmap().isNull()) << "prepared also without the operator's colours";
    const std::pair<qint32, qint32> farben[] = { { 0xFF0000, 0xFFFF00 }, { 0x004000, 0x00FFFF } };
    for (const auto& [hintergrund, knopf] : farben) {
        fenster.cmdEnde_Click();
        fenster.setFarben(hintergrund, knopf);
        fenster.oeffnen();
        for (Funbutton* button : { fenster.cmdNeu(), fenster.cmdEnde() }) {
            const QImage bild = button->sichtbarePixmap().toImage();
            EXPECT_EQ(bild.pixelColor(0, bild.height() - 1), zuQColor(hintergrund)) << "around the plate";
            const QColor platte = bild.pixelColor(12, bild.height() / 2);
            EXPECT_GT(platte.green(), 100) << "the plate is in the button colour";
        }
    }
}

} // namespace

#include "JukeboxStart.h"

#include "controls/ui/ctlSprechblase.h"
#include "controls/ui/Funbutton.h"
#include "game/ui/ctlSmilie.h"
#include "game/ui/frmTicTacToe.h"
#include "support/FakePlayer.h"
#include "support/FakeZeit.h"

#include <QTest>

namespace {

class HilfeUndSpielTest : public JukeboxStart {
protected:
    void starten()
    {
        for (const char* titel : { "Abendrot", "Blauer Montag", "Chanson", "Donauwalzer", "Eisblumen", "Fernweh" })
            addSong(titel);
        starten1024(player, uhr);
    }

    HilfeUndSpiel& hilfe() { return main->hilfeUndSpiel(); }
    ctlSprechblase& blase() { return hilfe().ctlSprechblase1(); }
    frmTicTacToe& spiel() { return hilfe().spiel(); }

    FakePlayer player;
    FakeZeit uhr;
};

TEST_F(HilfeUndSpielTest, TheHelpButtonWalksTheBubbleInsideTheWindow)
{
    starten();
    QTest::mousePress(&main->cmdFragezeichen(), Qt::LeftButton);
    for (int schritt = 0; schritt < Hilfetour::kSchritte; ++schritt) {
        SCOPED_TRACE(schritt);
        ASSERT_TRUE(blase().isVisible() && blase().TextMy() == Hilfetour::schritte()[schritt].text);
        EXPECT_TRUE(main->rect().contains(blase().geometry())) << "the bubble leaves the window";
        const QPoint spitze = blase().pos() + blase().spitze() * main->logicalDpiX() / 1440;
        if (schritt == 2 || schritt == 7) {
            EXPECT_TRUE((schritt == 2 ? main->Uebernehmen() : main->cmdLoeschen()).geometry().contains(spitze))
                << "points at its control";
        }
        hilfe().tour().weiter();
    }
    EXPECT_FALSE(hilfe().tour().HilfeAktiv() || blase().isVisible());
}

TEST_F(HilfeUndSpielTest, TheSmileyOpensOneGameOnReleaseInTheOperatorsColours)
{
    starten();
    QTest::mousePress(&main->cmdSmilie(), Qt::LeftButton);
    EXPECT_FALSE(spiel().isVisible()) << "the press alone opens nothing";
    QTest::mouseRelease(&main->cmdSmilie(), Qt::LeftButton);
    ASSERT_TRUE(spiel().isVisible());
    EXPECT_EQ(
        std::tuple(spiel().parentWidget(), spiel().palette().color(QPalette::Window), spiel().cmdNeu()->Grundfarbe),
        std::tuple(main.get(), QColor(0, 0, 255), start->werte().Farbe));

    QTest::mousePress(spiel().ctlSmilie1(4), Qt::LeftButton);
    hilfe().cmdSmilie_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(main->findChildren<frmTicTacToe*>().size(), 1);
    EXPECT_TRUE(spiel().ctlSmilie1(4)->VisibleMy()) << "a second release leaves the running game alone";
}

} // namespace

#include "Hauptfenster.h"

#include "controls/ui/ctlSprechblase.h"
#include "controls/ui/Funbutton.h"
#include "game/ui/ctlSmilie.h"
#include "game/ui/frmTicTacToe.h"
#include "support/Mp3Frames.h"

#include <QDir>
#include <QMenu>
#include <QTest>

#include <functional>

namespace {

// The jukebox started at 1024 x 768 over a small music folder.
class HilfeUndSpielTest : public Hauptfenster {
protected:
    void starten(bool spiel = true)
    {
        for (const char* titel : { "Abendrot", "Blauer Montag", "Chanson", "Donauwalzer", "Eisblumen", "Fernweh" })
            ASSERT_TRUE(Mp3Frames::writeFile(QDir(scope.folder.path()).filePath(QString::fromLatin1(titel) + ".mp3"),
                Mp3Frames::silentFrames(4) + Mp3Frames::id3v1Tag(titel, "Die Wolken", 17)));
        bauen({ { "Spiel", spiel ? "1" : "0" } });
        start->show();
        start->cmdOK_Click();
        main->showNormal();
        main->resize(1024, 768);
        main->TimerStartmeldung_Timer();
    }

    HilfeUndSpiel& hilfe() { return main->hilfeUndSpiel(); }
    ctlSprechblase& blase() { return hilfe().ctlSprechblase1(); }
    frmTicTacToe& spiel() { return hilfe().spiel(); }
};

TEST_F(HilfeUndSpielTest, F1AndTheHelpButtonWalkTheBubbleInsideTheWindowOnce)
{
    const std::pair<const char*, std::function<void(frmMain&)>> wege[] = {
        { "F1", [](frmMain& m) { QTest::keyClick(&m, Qt::Key_F1); } },
        { "help button", [](frmMain& m) { QTest::mousePress(&m.cmdFragezeichen(), Qt::LeftButton); } },
    };
    starten();
    for (const auto& [weg, druecken] : wege) {
        SCOPED_TRACE(weg);
        druecken(*main);
        for (int schritt = 0; schritt < Hilfetour::kSchritte; ++schritt) {
            SCOPED_TRACE(schritt);
            ASSERT_EQ(hilfe().tour().schritt(), schritt);
            EXPECT_TRUE(blase().isVisible() && blase().TextMy() == Hilfetour::schritte()[schritt].text);
            EXPECT_TRUE(main->rect().contains(blase().geometry())) << "the bubble leaves the window";
            const QPoint spitze = blase().pos() + blase().spitze() * main->logicalDpiX() / 1440;
            if (schritt == 2 || schritt == 7)
                EXPECT_TRUE((schritt == 2 ? main->Uebernehmen() : main->cmdLoeschen()).geometry().contains(spitze))
                    << "points at its control";
            // Neither way starts a second tour inside the running one.
            for (const auto& [anderer, auchDruecken] : wege)
                auchDruecken(*main);
            EXPECT_EQ(hilfe().tour().schritt(), schritt);
            hilfe().tour().weiter();
        }
        EXPECT_FALSE(hilfe().tour().HilfeAktiv() || blase().isVisible());
    }
}

TEST_F(HilfeUndSpielTest, EveryWayOutEndsTheTourAtOnceAndClosesTheGame)
{
    const std::pair<const char*, std::function<void()>> wege[] = {
        { "F12", [&] { QTest::keyClick(main.get(), Qt::Key_F12); } },
        { "menu Beenden", [&] { start->kontextmenue().menuBeenden->trigger(); } },
        { "closing the window", [&] { main->close(); } },
    };
    for (const auto& [weg, beenden] : wege) {
        SCOPED_TRACE(weg);
        main.reset();
        ProgrammEnde = false;
        starten();
        QTest::keyClick(main.get(), Qt::Key_F1);
        QTest::mouseClick(&main->cmdSmilie(), Qt::LeftButton);
        ASSERT_TRUE(blase().isVisible() && spiel().isVisible());
        beenden();
        EXPECT_FALSE(hilfe().tour().HilfeAktiv() || hilfe().tour().wecker().isActive() || blase().isVisible()
            || spiel().isVisible() || main->isVisible());
    }
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

#include "../start/StartFakes.h"

#include "common/SystemClock.h"
#include "common/Twips.h"
#include "controls/ui/ctlSprechblase.h"
#include "controls/ui/Funbutton.h"
#include "game/ui/ctlSmilie.h"
#include "game/ui/frmTicTacToe.h"
#include "mainwindow/ui/frmMain.h"
#include "start/ui/frmStart.h"
#include "support/FakePlayer.h"
#include "support/Mp3Frames.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QMenu>
#include <QTest>

#include <functional>
#include <memory>

namespace {

struct OhneKiosk : Kiosk {
    void sperren() override { }
    void freigeben() override { }
    void zuruecktreten() override { }
    bool vollbild() const override { return false; }
};

// The real jukebox screen at 1024 x 768 over a small music folder.
class HilfeUndSpielTest : public ::testing::Test {
protected:
    void starten(bool spiel = true)
    {
        const QString musik = scope.folder.filePath("Musik");
        const std::pair<const char*, const char*> lieder[]
            = { { "Abendrot", "Die Wolken" }, { "Blauer Montag", "Kaffeehaus" }, { "Chanson", "Marie L." },
                  { "Donauwalzer", "Kurorchester" }, { "Eisblumen", "Winterreise" }, { "Fernweh", "Die Wolken" } };
        for (const auto& [titel, band] : lieder)
            ASSERT_TRUE(Mp3Frames::writeFile(QDir(musik).filePath(QString::fromLatin1(titel) + ".mp3"),
                Mp3Frames::silentFrames(4) + Mp3Frames::id3v1Tag(titel, band, 17)));
        store.values.insert("Data/Pfad", musik);
        store.values.insert("Data/Spiel", spiel ? "1" : "0");
        start = std::make_unique<frmStart>(store, messages);
        main = std::make_unique<frmMain>(
            *start, messages, player, uhr, [](QWidget*) { return std::make_unique<OhneKiosk>(); });
        start->setScreen(main.get(), main.get());
        start->show();
        start->cmdOK_Click();
        main->showNormal();
        main->resize(1024, 768);
        main->TimerStartmeldung_Timer();
    }

    HilfeUndSpiel& hilfe() { return main->hilfeUndSpiel(); }
    ctlSprechblase& blase() { return hilfe().ctlSprechblase1(); }
    frmTicTacToe& spiel() { return hilfe().spiel(); }
    int px(int twips) const { return twipsToPixels(twips, main->logicalDpiX()); }

    // Where the bubble's tip touches the window, in pixels.
    QPoint spitze() { return blase().pos() + QPoint(px(blase().spitze().x()), px(blase().spitze().y())); }

    // The point of the window each step must touch, read from the window's own controls.
    QPoint ziel(int schritt)
    {
        const QWidget& w = steuerelement(schritt);
        const int kopfY = w.y() + px(300);
        switch (schritt) {
        case 0:
            return { px(1800), kopfY };
        case 1:
            return { w.x() + px(main->Archiv().ColWidth(0) + main->Archiv().ColWidth(1) / 2), kopfY };
        default:
            return { w.x() + w.width() / 2, w.y() + w.height() / 2 };
        }
    }

    // The control a step points at; the archive grid for the first two.
    const QWidget& steuerelement(int schritt)
    {
        switch (schritt) {
        case 2:
            return main->Uebernehmen();
        case 3:
        case 4:
            return main->FunbuttonArchivNav(schritt - 3);
        case 5:
        case 6:
            return main->cmdHoch(schritt - 5);
        case 7:
            return main->cmdLoeschen();
        default:
            return *main->findChild<QWidget*>("MSFlexGridView1");
        }
    }

    void bildSpeichern(QWidget& fenster, const QString& name)
    {
        if (const QByteArray ordner = qgetenv("TONVARO_SCREENSHOTS"); !ordner.isEmpty()) {
            QTest::qWait(400); // the grid announces new rows to its view in batches
            fenster.grab().save(QString::fromLocal8Bit(ordner) + '/' + name + ".png");
        }
    }

    ReporterScope scope;
    MemorySettingsStore store;
    RecordingMessages messages;
    FakePlayer player;
    SystemClock uhr;
    std::unique_ptr<frmStart> start;
    std::unique_ptr<frmMain> main;
};

TEST_F(HilfeUndSpielTest, F1AndTheHelpButtonWalkTheBubbleOverTheWindowsControlsOnce)
{
    const std::pair<const char*, std::function<void(frmMain&)>> wege[] = {
        { "F1", [](frmMain& m) { QTest::keyClick(&m, Qt::Key_F1); } },
        { "help button", [](frmMain& m) { QTest::mousePress(&m.cmdFragezeichen(), Qt::LeftButton); } },
    };
    starten();
    const QRect fenster = main->rect();
    for (const auto& [weg, druecken] : wege) {
        SCOPED_TRACE(weg);
        druecken(*main);
        for (int schritt = 0; schritt < Hilfetour::kSchritte; ++schritt) {
            SCOPED_TRACE(schritt);
            ASSERT_EQ(hilfe().tour().schritt(), schritt);
            ASSERT_TRUE(blase().isVisible());
            EXPECT_EQ(blase().TextMy(), Hilfetour::schritte()[schritt].text);
            EXPECT_TRUE(fenster.contains(blase().geometry())) << "the bubble leaves the window";
            const QRect ungeschoben(ziel(schritt) - (spitze() - blase().pos()), blase().size());
            if (fenster.contains(ungeschoben))
                EXPECT_LE((spitze() - ziel(schritt)).manhattanLength(), 1)
                    << "tip " << spitze().x() << "," << spitze().y() << " target " << ziel(schritt).x() << ","
                    << ziel(schritt).y();
            else
                EXPECT_TRUE(steuerelement(schritt).geometry().contains(spitze()))
                    << "a bubble pushed back into the window still points at its control";
            if (schritt == 0 || schritt == 2 || schritt == 3 || schritt == 5)
                bildSpeichern(*main, QStringLiteral("hilfe%1").arg(schritt + 1));
            // Neither way starts a second tour inside the running one.
            for (const auto& [anderer, auchDruecken] : wege)
                auchDruecken(*main);
            EXPECT_EQ(hilfe().tour().schritt(), schritt);
            hilfe().tour().weiter();
        }
        EXPECT_FALSE(hilfe().tour().HilfeAktiv());
        EXPECT_FALSE(blase().isVisible());
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
        ASSERT_TRUE(blase().isVisible());
        ASSERT_TRUE(spiel().isVisible());
        beenden();
        EXPECT_FALSE(hilfe().tour().HilfeAktiv());
        EXPECT_FALSE(hilfe().tour().wecker().isActive());
        EXPECT_FALSE(blase().isVisible());
        EXPECT_FALSE(spiel().isVisible());
        EXPECT_FALSE(main->isVisible());
    }
}

TEST_F(HilfeUndSpielTest, TheSmileyOpensOneGameOnReleaseInTheOperatorsColours)
{
    starten();
    bildSpeichern(*main, QStringLiteral("smilie"));
    ASSERT_TRUE(main->cmdSmilie().isVisible());
    QTest::mousePress(&main->cmdSmilie(), Qt::LeftButton);
    EXPECT_FALSE(spiel().isVisible()) << "the press alone opens nothing";
    QTest::mouseRelease(&main->cmdSmilie(), Qt::LeftButton);
    ASSERT_TRUE(spiel().isVisible());
    EXPECT_EQ(spiel().parentWidget(), main.get());
    EXPECT_EQ(spiel().palette().color(QPalette::Window), QColor(0, 0, 255)) << "the default background, blue";
    EXPECT_EQ(spiel().cmdNeu()->Grundfarbe, start->werte().Farbe);

    QTest::mousePress(spiel().ctlSmilie1(4), Qt::LeftButton);
    hilfe().cmdSmilie_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(main->findChildren<frmTicTacToe*>().size(), 1);
    EXPECT_TRUE(spiel().ctlSmilie1(4)->VisibleMy()) << "a second release leaves the running game alone";
}

TEST_F(HilfeUndSpielTest, WithoutTheGameOptionTheSmileyIsHiddenAndOpensNothing)
{
    starten(false);
    EXPECT_FALSE(main->cmdSmilie().isVisible());
    hilfe().cmdSmilie_MouseUp(1, 0, 0, 0);
    EXPECT_FALSE(spiel().isVisible());
}

} // namespace

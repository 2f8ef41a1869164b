#include "../playback/WiedergabeFakes.h"
#include "JukeboxStart.h"

#include "common/Twips.h"
#include "common/ui/FlexGridView.h"
#include "controls/ui/ctlVirtuelleTastatur.h"
#include "controls/ui/Funbutton.h"

#include <gtest/gtest.h>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr qint64 kLiedMs = 180000;

// The jukebox as a guest meets it: six songs, players in pretend time and a standing clock.
class JukeboxAblaufTest : public JukeboxStart {
protected:
    void SetUp() override
    {
        const char* lieder[][2] = { { "Alpha", "Zeta" }, { "Beta", "Ypsilon" }, { "Gamma", "Xi" }, { "Delta", "Omega" },
            { "Epsilon", "Psi" }, { "Eta", "Chi" } };
        for (const auto& [t, band] : lieder)
            addSong(t, band);
    }
    void starten()
    {
        open(player, uhr);
        start->cmdOK_Click();
        // Maximised on the small offscreen screen, the window would take its size only later.
        main->showNormal();
        main->resize(1024, 768);
        QCoreApplication::processEvents();
        for (int row = 1; row < main->Archiv().Rows(); ++row)
            player.lieder[main->Archiv().TextMatrix(row, 4)] = kLiedMs;
    }
    QStringList playlist() const { return titel(main->Playlist()); }
    void uebernehmen(const QString& t)
    {
        main->Archiv().selectRow(archivZeile(t));
        druecken(main->Uebernehmen());
    }
    static void druecken(QWidget& knopf) { QTest::mouseClick(&knopf, Qt::LeftButton); }
    void tick() { main->wiedergabe().sequenzer().Timer1_Timer(); }
    QString spielt()
    {
        const QList<int> spielende = player.spielende();
        return spielende.size() == 1 ? QFileInfo(player.GetFileName(spielende[0])).baseName() : QString();
    }
    ctlVirtuelleTastatur& tastatur() { return main->archivseite().tastatur(); }
    void tippen(const QString& buchstaben)
    {
        for (const QChar c : buchstaben) {
            const auto& tasten = tastatur().aufbau().tasten();
            const auto taste = std::find_if(tasten.begin(), tasten.end(), [c](const Taste& t) { return t.text == c; });
            ASSERT_NE(taste, tasten.end()) << "no key " << QString(c).toStdString();
            QTest::mouseClick(&tastatur(), Qt::LeftButton, {}, tastatur().tastenRechteck(*taste).center());
        }
    }
    QLineEdit& txtSortierung() { return *main->findChild<QLineEdit*>("txtSortierung"); }
    FlexGridView& archivView() { return *main->findChild<FlexGridView*>("MSFlexGridView1"); }
    // The slides run on a 20 ms timer.
    void gleitenLassen() { QTest::qWait(10 * 20 + 100); }

    PretendPlayer player;
    FakeZeit uhr;
};

TEST_F(JukeboxAblaufTest, ATakenOverSongPlaysOnTheNextTickAndF5PausesWithTheNoteBlinking)
{
    starten();
    uebernehmen("Beta");
    EXPECT_TRUE(main->cmdLoeschen().Enabled()) << "the rules run after taking over";
    tick();
    tick();
    EXPECT_EQ(std::pair(spielt(), main->findChild<QLabel*>("Balkentext")->text()),
        std::pair(QString("Beta"), QString(" 03:00   Beta")));
    EXPECT_GT(main->findChild<QWidget*>("Balken")->width(), 0);

    QTest::keyClick(main.get(), Qt::Key_F5);
    tick();
    EXPECT_TRUE(spielt().isEmpty() && main->Positionsgrafik().Blinken());
    QTest::keyClick(&archivView(), Qt::Key_F5);
    tick();
    EXPECT_TRUE(spielt() == "Beta" && !main->Positionsgrafik().Blinken());
}

TEST_F(JukeboxAblaufTest, DeleteAndMoveActOncePerPress)
{
    starten();
    for (const char* t : { "Alpha", "Beta", "Gamma" })
        uebernehmen(t);
    tick();
    main->Playlist().selectRow(3);
    main->EnableButtons();
    druecken(main->cmdHoch(0));
    EXPECT_EQ(playlist(), QStringList({ "Alpha", "Gamma", "Beta" })) << "one press, one step";
    druecken(main->cmdLoeschen());
    EXPECT_EQ(playlist(), QStringList({ "Alpha", "Beta" }));
    EXPECT_EQ(spielt(), "Alpha");
}

TEST_F(JukeboxAblaufTest, AHeaderTouchSortsSlidesTheKeyboardInAndLettersJumpToTheSong)
{
    starten();
    QHeaderView* kopf = archivView().horizontalHeader();
    QTest::mousePress(kopf->viewport(), Qt::LeftButton, {}, QPoint(kopf->sectionViewportPosition(0) + 5, 5));
    EXPECT_EQ(titel(main->Archiv()), QStringList({ "Alpha", "Beta", "Delta", "Epsilon", "Eta", "Gamma" }));
    EXPECT_TRUE(tastatur().isVisible());
    gleitenLassen();
    EXPECT_EQ(tastatur().y(), twipsToPixels(main->archivseite().TastaturZielTop, main->logicalDpiY()));
    EXPECT_NEAR(txtSortierung().geometry().center().x(), main->width() / 2, 3);

    tippen("GAM");
    druecken(main->Uebernehmen());
    EXPECT_EQ(playlist(), QStringList { "Gamma" });

    uhr.jetzt += 5000;
    QTest::qWait(300);
    gleitenLassen();
    EXPECT_FALSE(tastatur().isVisible() || txtSortierung().isVisible()) << "given up after five quiet seconds";
}

TEST_F(JukeboxAblaufTest, TheLockRefusesQueueingAllowsBrowsingAndKeepsItsCodeOutOfTheArchive)
{
    store.values.insert("Data/PW", "abc");
    starten();
    main->Archiv().selectRow(1);
    druecken(main->Schloss());
    EXPECT_TRUE(tastatur().isVisible());
    tippen("AB");
    EXPECT_EQ(txtSortierung().text(), "##");
    tippen("C");
    EXPECT_TRUE(main->Schloss2().isVisible() && !main->Schloss().isVisible() && !tastatur().isVisible());
    EXPECT_FALSE(main->Uebernehmen().Enabled());

    druecken(main->Uebernehmen());
    main->wiedergabe().playliste().Uebernehmen_Click();
    EXPECT_TRUE(playlist().isEmpty());
    druecken(main->FunbuttonArchivNav(1));
    EXPECT_EQ(main->Archiv().Row(), 2) << "browsing goes on";

    druecken(main->Schloss2());
    QTest::keyClicks(main.get(), "abc");
    EXPECT_TRUE(main->Schloss().isVisible()) << "unlocked from a hardware keyboard";
    uebernehmen("Beta");
    EXPECT_EQ(playlist(), QStringList { "Beta" });
}

TEST_F(JukeboxAblaufTest, SpaceOnTheArchivePlaysTheSelectedSongAtOnceEvenTheOnePlaying)
{
    starten();
    uebernehmen("Alpha");
    uebernehmen("Beta");
    tick();
    ASSERT_EQ(spielt(), "Alpha");
    main->Archiv().selectRow(archivZeile("Alpha"));
    archivView().setFocus();
    QTest::keyClick(&archivView(), Qt::Key_Space);
    tick();
    tick();
    EXPECT_EQ(std::pair(playlist(), spielt()), std::pair(QStringList { "Alpha" }, QString("Alpha")))
        << "the tick must not take it for finished";
}

TEST_F(JukeboxAblaufTest, TheButtonsFollowWhenTheSequencerRemovesTheFinishedSong)
{
    starten();
    uebernehmen("Alpha");
    uebernehmen("Beta");
    tick();
    main->Playlist().selectRow(2);
    main->EnableButtons();
    ASSERT_TRUE(main->FunbuttonArchivNav(2).Enabled());
    player.vorspulen(kLiedMs - 5000);
    tick();
    EXPECT_EQ(playlist(), QStringList { "Beta" });
    EXPECT_FALSE(main->FunbuttonArchivNav(2).Enabled()) << "the playlist's only song cannot go up";
}

TEST_F(JukeboxAblaufTest, ARestartBringsTheQueueBackAndASecondStartDoesNotReadItAgain)
{
    starten();
    const QStringList sechs { "Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Eta" };
    for (const QString& t : sechs)
        uebernehmen(t);
    QTest::keyClick(main.get(), Qt::Key_F12);
    TearDown();
    ProgrammEnde = false;

    store.values.insert("Data/Playliste", "1");
    starten();
    EXPECT_EQ(playlist(), sechs);
    EXPECT_NE(main->Playlist().TextMatrix(2, 3), "??:??") << "start times are filled in";
    QTest::keyClick(main.get(), Qt::Key_F11);
    start->cmdOK_Click();
    EXPECT_EQ(playlist(), sechs);
}

} // namespace

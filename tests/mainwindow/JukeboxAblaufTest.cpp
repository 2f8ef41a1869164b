#include "../playback/WiedergabeFakes.h"
#include "../start/StartFakes.h"

#include "common/Helpers.h"
#include "common/Twips.h"
#include "common/ui/FlexGridView.h"
#include "controls/ui/ctlVirtuelleTastatur.h"
#include "controls/ui/Funbutton.h"
#include "mainwindow/ui/frmMain.h"
#include "start/ui/frmStart.h"
#include "support/Mp3Frames.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

constexpr qint64 kLiedMs = 180000;

// The jukebox as a guest meets it: started from its start window on a folder
// of six songs, with players in pretend time and a standing clock.
class JukeboxAblaufTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString musik = scope.folder.filePath("Musik");
        const char* lieder[][2] = { { "Alpha", "Zeta" }, { "Beta", "Ypsilon" }, { "Gamma", "Xi" }, { "Delta", "Omega" },
            { "Epsilon", "Psi" }, { "Eta", "Chi" } };
        for (const auto& [titel, band] : lieder)
            ASSERT_TRUE(Mp3Frames::writeFile(QDir(musik).filePath(QString::fromLatin1(titel) + ".mp3"),
                Mp3Frames::silentFrames(4) + Mp3Frames::id3v1Tag(titel, band, 17)));
        store.values.insert("Data/Pfad", musik);
    }
    void starten()
    {
        start = std::make_unique<frmStart>(store, messages);
        main = std::make_unique<frmMain>(
            *start, messages, player, uhr, [](QWidget*) { return std::make_unique<OhneKiosk>(); });
        start->setScreen(main.get(), main.get());
        start->cmdOK_Click();
        // Maximised on the small offscreen screen, the window would take its size only later.
        main->showNormal();
        main->resize(1024, 768);
        QCoreApplication::processEvents();
        for (int row = 1; row < main->Archiv().Rows(); ++row)
            player.lieder[main->Archiv().TextMatrix(row, 4)] = kLiedMs;
    }
    int archivZeile(const QString& titel) const
    {
        for (int row = 1; row < main->Archiv().Rows(); ++row)
            if (Anzeigetext(main->Archiv().TextMatrix(row, 0)) == titel)
                return row;
        ADD_FAILURE() << titel.toStdString() << " not in the archive";
        return 0;
    }
    QStringList playlist() const
    {
        QStringList titel;
        for (int row = 1; row < main->Playlist().Rows(); ++row)
            titel << Anzeigetext(main->Playlist().TextMatrix(row, 0));
        return titel;
    }
    void uebernehmen(const QString& titel)
    {
        main->Archiv().selectRow(archivZeile(titel));
        druecken(main->Uebernehmen());
    }
    static void druecken(QWidget& knopf, Qt::MouseButton taste = Qt::LeftButton)
    {
        QTest::mousePress(&knopf, taste);
        QTest::mouseRelease(&knopf, taste);
    }
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
            QTest::mousePress(&tastatur(), Qt::LeftButton, {}, tastatur().tastenRechteck(*taste).center());
            QTest::mouseRelease(&tastatur(), Qt::LeftButton, {}, tastatur().tastenRechteck(*taste).center());
        }
    }
    QLineEdit& txtSortierung() { return *main->findChild<QLineEdit*>("txtSortierung"); }
    FlexGridView& archivView() { return *main->findChild<FlexGridView*>("MSFlexGridView1"); }
    // The slides run on a 20 ms timer.
    void gleitenLassen() { QTest::qWait(10 * 20 + 100); }

    struct OhneKiosk : Kiosk {
        void sperren() override { }
        void freigeben() override { }
        void zuruecktreten() override { }
        bool vollbild() const override { return false; }
    };

    ReporterScope scope;
    MemorySettingsStore store;
    RecordingMessages messages;
    PretendPlayer player;
    FakeZeit uhr;
    std::unique_ptr<frmStart> start;
    std::unique_ptr<frmMain> main;
};

TEST_F(JukeboxAblaufTest, ATakenOverSongPlaysOnTheNextTickAndF5PausesWithTheNoteBlinking)
{
    starten();
    uebernehmen("Beta");
    EXPECT_EQ(playlist(), QStringList { "Beta" });
    EXPECT_TRUE(main->cmdLoeschen().Enabled()) << "the rules run after taking over";
    EXPECT_EQ(spielt(), QString());
    tick();
    EXPECT_EQ(spielt(), "Beta");
    tick();
    EXPECT_EQ(main->findChild<QLabel*>("Balkentext")->text(), " 03:00   Beta");
    EXPECT_GT(main->findChild<QWidget*>("Balken")->width(), 0);

    QTest::keyClick(main.get(), Qt::Key_F5);
    tick();
    EXPECT_EQ(spielt(), QString());
    EXPECT_TRUE(main->Positionsgrafik().Blinken());
    QTest::keyClick(&archivView(), Qt::Key_F5);
    tick();
    EXPECT_EQ(spielt(), "Beta");
    EXPECT_FALSE(main->Positionsgrafik().Blinken());
}

TEST_F(JukeboxAblaufTest, DeleteAndMoveActOncePerPressAndOnlyWithTheButtonTheOptionAllows)
{
    starten();
    for (const char* titel : { "Alpha", "Beta", "Gamma" })
        uebernehmen(titel);
    tick();
    main->Playlist().selectRow(3);
    main->EnableButtons();
    druecken(main->cmdHoch(0));
    EXPECT_EQ(playlist(), QStringList({ "Alpha", "Gamma", "Beta" })) << "one press, one step";
    druecken(main->cmdLoeschen());
    EXPECT_EQ(playlist(), QStringList({ "Alpha", "Beta" }));

    start->findChild<QCheckBox*>("chkMuelleimer")->setChecked(true);
    ASSERT_TRUE(main->laden());
    main->Playlist().selectRow(2);
    main->EnableButtons();
    druecken(main->cmdLoeschen());
    EXPECT_EQ(playlist(), QStringList({ "Alpha", "Beta" })) << "the left button is locked";
    druecken(main->cmdLoeschen(), Qt::RightButton);
    EXPECT_EQ(playlist(), QStringList { "Alpha" });
    EXPECT_EQ(spielt(), "Alpha");
}

TEST_F(JukeboxAblaufTest, DoubleClickInThePlaylistShowsTheSongInTheArchiveSortedByArtist)
{
    starten();
    uebernehmen("Gamma");
    uebernehmen("Alpha");
    main->Playlist().selectRow(1);
    auto* view2 = main->findChild<FlexGridView*>("MSFlexGridView2");
    QCoreApplication::processEvents();
    QTest::mouseDClick(view2->viewport(), Qt::LeftButton, {}, view2->visualRect(view2->model()->index(0, 0)).center());
    // Artists Chi, Omega, Psi, Xi, Ypsilon, Zeta.
    EXPECT_EQ(Anzeigetext(main->Archiv().TextMatrix(1, 1)), "Chi");
    EXPECT_EQ(main->Archiv().Row(), archivZeile("Gamma"));
    EXPECT_EQ(main->ArchivZeile(), archivZeile("Gamma"));
    EXPECT_FALSE(tastatur().isVisible()) << "no keyboard for this sort";
}

TEST_F(JukeboxAblaufTest, AHeaderTouchSortsSlidesTheKeyboardInAndLettersJumpToTheSong)
{
    starten();
    QHeaderView* kopf = archivView().horizontalHeader();
    QTest::mousePress(kopf->viewport(), Qt::LeftButton, {}, QPoint(kopf->sectionViewportPosition(0) + 5, 5));
    EXPECT_EQ(Anzeigetext(main->Archiv().TextMatrix(1, 0)), "Alpha");
    EXPECT_EQ(Anzeigetext(main->Archiv().TextMatrix(6, 0)), "Gamma");
    EXPECT_TRUE(tastatur().isVisible());
    gleitenLassen();
    EXPECT_EQ(tastatur().y(), twipsToPixels(main->archivseite().TastaturZielTop, main->logicalDpiY()));
    EXPECT_NEAR(txtSortierung().geometry().center().x(), main->width() / 2, 3);

    tippen("GAM");
    EXPECT_EQ(txtSortierung().text(), "GAM");
    EXPECT_EQ(main->Archiv().Row(), archivZeile("Gamma"));
    druecken(main->Uebernehmen());
    EXPECT_EQ(playlist(), QStringList { "Gamma" });

    uhr.jetzt += 5000;
    QTest::qWait(300);
    gleitenLassen();
    EXPECT_FALSE(tastatur().isVisible()) << "given up after five quiet seconds";
    EXPECT_FALSE(txtSortierung().isVisible());
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
    EXPECT_EQ(main->Archiv().Row(), 1) << "code letters must not search";
    tippen("C");
    EXPECT_TRUE(main->Schloss2().isVisible());
    EXPECT_FALSE(main->Schloss().isVisible());
    EXPECT_FALSE(tastatur().isVisible());
    EXPECT_FALSE(main->Uebernehmen().Enabled());

    druecken(main->Uebernehmen());
    main->wiedergabe().playliste().Uebernehmen_Click();
    EXPECT_TRUE(playlist().isEmpty());
    druecken(main->FunbuttonArchivNav(1));
    EXPECT_EQ(main->Archiv().Row(), 2) << "browsing goes on";

    druecken(main->Schloss2());
    QTest::keyClicks(main.get(), "aXb");
    QTest::keyClick(main.get(), Qt::Key_Backspace);
    QTest::keyClick(main.get(), Qt::Key_Backspace);
    QTest::keyClicks(main.get(), "bc");
    EXPECT_TRUE(main->Schloss().isVisible()) << "unlocked from a hardware keyboard";
    EXPECT_TRUE(main->Uebernehmen().Enabled());
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
    EXPECT_EQ(playlist(), QStringList { "Alpha" });
    tick();
    tick();
    EXPECT_EQ(playlist(), QStringList { "Alpha" }) << "the tick must not take it for finished";
    EXPECT_EQ(spielt(), "Alpha");
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
    for (const char* titel : { "Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Eta" })
        uebernehmen(titel);
    QTest::keyClick(main.get(), Qt::Key_F12);
    main.reset();
    start.reset();
    ProgrammEnde = false;

    store.values.insert("Data/Playliste", "1");
    starten();
    const QStringList sechs { "Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Eta" };
    EXPECT_EQ(playlist(), sechs);
    EXPECT_NE(main->Playlist().TextMatrix(2, 3), "??:??") << "start times are filled in";
    QTest::keyClick(main.get(), Qt::Key_F11);
    start->cmdOK_Click();
    EXPECT_EQ(playlist(), sechs);
}

} // namespace

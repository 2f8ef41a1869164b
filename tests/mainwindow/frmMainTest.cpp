#include "../start/StartFakes.h"

#include "common/SystemClock.h"
#include "UrlRecorder.h"

#include "library/ui/frmMP3Tags.h"
#include "mainwindow/ui/frmMain.h"
#include "start/ui/frmStart.h"
#include "support/FakePlayer.h"
#include "support/Mp3Frames.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

struct KioskLog {
    bool gesperrt = false;
    bool sperrenWirft = false;
    int zuruecktreten = 0;
};

// The window owns its kiosk; what it did stays in the test's log.
struct FakeKiosk : Kiosk {
    explicit FakeKiosk(KioskLog& l)
        : log(l)
    {
    }
    void sperren() override
    {
        if (log.sperrenWirft)
            throw FaultError(5, QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument"));
        log.gesperrt = true;
    }
    void freigeben() override { log.gesperrt = false; }
    void zuruecktreten() override { ++log.zuruecktreten; }
    bool vollbild() const override { return false; }
    KioskLog& log;
};

class frmMainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        musik = folder.filePath("Musik");
        for (const char* titel : { "Alpha", "Beta", "Gamma" })
            addSong(titel);
        store.values.insert("Data/Pfad", musik);
    }
    // Titles padded with spaces, as tag writers store them.
    void addSong(const QByteArray& titel)
    {
        ASSERT_TRUE(Mp3Frames::writeFile(QDir(musik).filePath(QString::fromLatin1(titel) + ".mp3"),
            Mp3Frames::silentFrames(4)
                + Mp3Frames::id3v1Tag(titel.leftJustified(30, ' '), QByteArray("Band").leftJustified(30, ' '), 17)));
    }
    void open()
    {
        start = std::make_unique<frmStart>(store, messages);
        main = std::make_unique<frmMain>(
            *start, messages, player, uhr, [this](QWidget*) { return std::make_unique<FakeKiosk>(kiosk); });
        start->setScreen(main.get(), main.get());
        start->show();
        messages.shown.clear();
    }
    void startJukebox()
    {
        open();
        start->cmdOK_Click();
    }
    // The titles of the song rows, row 1 first.
    QStringList archivTitel() const
    {
        QStringList titel;
        for (int row = 1; row < main->Archiv().Rows(); ++row)
            titel << main->Archiv().TextMatrix(row, 0);
        return titel;
    }
    int rowOf(const QString& titel) const
    {
        const int row = int(archivTitel().indexOf(titel)) + 1;
        EXPECT_GT(row, 0) << titel.toStdString() << " not in " << archivTitel().join(", ").toStdString();
        return row;
    }
    void expectProgramEnded()
    {
        EXPECT_TRUE(ProgrammEnde);
        EXPECT_FALSE(main->isVisible());
        EXPECT_FALSE(start->isVisible());
        EXPECT_FALSE(kiosk.gesperrt);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(player.calls.contains(QStringLiteral("OpenMP3(%1,)").arg(i)))
                << "player " << i << " not closed";
    }

    ReporterScope scope;
    QTemporaryDir& folder = scope.folder;
    QString musik;
    MemorySettingsStore store;
    RecordingMessages messages;
    FakePlayer player;
    KioskLog kiosk;
    SystemClock uhr;
    std::unique_ptr<frmStart> start;
    std::unique_ptr<frmMain> main;
};

TEST_F(frmMainTest, StartBuildsTheScreenAndReportsTheSongs)
{
    QString waehrendDesStarts;
    open();
    QTimer::singleShot(0, main.get(), [&] { waehrendDesStarts = main->lblStartmeldung(); });
    start->cmdOK_Click();
    EXPECT_EQ(waehrendDesStarts, "Lieder werden eingelesen...");
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(main->Archiv().Rows(), 4);
    EXPECT_EQ(main->Archiv().TextMatrix(0, 0), "Titel");
    EXPECT_EQ(main->Archiv().TextMatrix(0, 3), "Dauer");
    EXPECT_EQ(main->Playlist().Rows(), 1);
    EXPECT_EQ(main->Playlist().TextMatrix(0, 3), "Start");
    EXPECT_EQ(main->Archiv().FontSize(), 18.0);
    EXPECT_EQ(main->Fadingzeit(), 10);
    EXPECT_TRUE(kiosk.gesperrt) << "Windows blocking is on by default";
    EXPECT_TRUE(main->Frame1Sichtbar());
    EXPECT_EQ(main->lblStartmeldung(), "3 Lieder gefunden!");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
    if (const QByteArray shots = qgetenv("TONVARO_SCREENSHOTS"); !shots.isEmpty()) {
        main->showNormal();
        main->resize(1024, 768);
        QTest::qWait(400); // the grid announces new rows to its view in batches
        main->grab().save(QString::fromLocal8Bit(shots) + "/frmMain.png");
    }

    main->TimerStartmeldung_Timer();
    EXPECT_FALSE(main->Frame1Sichtbar());
}

TEST_F(frmMainTest, EveryWayOutEndsTheProgramAndGivesTheDesktopBack)
{
    const std::pair<const char*, std::function<void()>> wege[] = {
        { "F12", [&] { QTest::keyClick(main.get(), Qt::Key_F12); } },
        { "F12 with the right mouse button switched off",
            [&] {
                start->findChild<QCheckBox*>("chkRechteMaustaste")->setChecked(true);
                QTest::keyClick(main.get(), Qt::Key_F12);
            } },
        { "F12 while the archive has the focus",
            [&] { QTest::keyClick(main->findChild<QWidget*>("MSFlexGridView1"), Qt::Key_F12); } },
        { "menu Beenden", [&] { start->kontextmenue().menuBeenden->trigger(); } },
        { "closing, which is never refused", [&] { EXPECT_TRUE(main->close()); } },
        { "activation after the end was set",
            [&] {
                ProgrammEnde = true;
                QEvent aktiviert(QEvent::WindowActivate);
                QApplication::sendEvent(main.get(), &aktiviert);
            } },
        { "F12 during a rescan, which stops the scan",
            [&] {
                for (const char* titel : { "Delta", "Epsilon", "Zeta" })
                    addSong(titel);
                // The scan lets events through after its first file.
                QTimer::singleShot(0, main.get(), [this] { QTest::keyClick(main.get(), Qt::Key_F12); });
                start->kontextmenue().menuNeuEinlesen->trigger();
                EXPECT_LT(main->Archiv().Rows(), 7) << "the scan went on: " << archivTitel().join(", ").toStdString();
            } },
    };
    for (const auto& [weg, beenden] : wege) {
        SCOPED_TRACE(weg);
        main.reset();
        ProgrammEnde = false;
        player.calls.clear();
        startJukebox();
        ASSERT_TRUE(kiosk.gesperrt);
        beenden();
        expectProgramEnded();
    }
}

TEST_F(frmMainTest, ZurueckAndASecondStartKeepThePlaylistRescanAndApplyTheChangedOptions)
{
    startJukebox();
    main->Playlist().AddItem("Wartend");
    QTest::keyClick(main.get(), Qt::Key_F11);
    EXPECT_TRUE(start->isVisible());
    EXPECT_EQ(start->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(main->Archiv().Rows(), 2);
    EXPECT_EQ(main->Archiv().TextMatrix(1, 0), QString());

    addSong("Delta");
    start->findChild<QSlider*>("Slider1")->setValue(4);
    start->findChild<QComboBox*>("cmbSchriftgroesse")->setCurrentText("8");
    start->findChild<QCheckBox*>("chkWindowsBlockieren")->click();
    start->findChild<QCheckBox*>("chkRechteMaustaste")->click();
    start->cmdOK_Click();
    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(main->Archiv().Rows(), 5);
    EXPECT_EQ(main->lblStartmeldung(), "4 Lieder gefunden!");
    EXPECT_EQ(main->Playlist().Rows(), 2) << "the second start must not empty the playlist";
    EXPECT_EQ(main->Playlist().TextMatrix(1, 0), "Wartend");
    EXPECT_EQ(main->Fadingzeit(), 4);
    EXPECT_EQ(main->Archiv().FontSize(), 8.0);
    EXPECT_EQ(main->Playlist().FontSize(), 8.0);
    EXPECT_FALSE(kiosk.gesperrt) << "unticked blocking gives the desktop back";
    const QPoint neben(3, main->height() - 3);
    QTest::mouseClick(main.get(), Qt::RightButton, {}, neben);
    EXPECT_FALSE(start->kontextmenue().menu->isVisible()) << "the right button is switched off";
    start->findChild<QCheckBox*>("chkRechteMaustaste")->click();
    QTest::mouseClick(main.get(), Qt::LeftButton, {}, neben);
    EXPECT_FALSE(start->kontextmenue().menu->isVisible());
    QTest::mouseClick(main.get(), Qt::RightButton, {}, neben);
    EXPECT_TRUE(start->kontextmenue().menu->isVisible());
    start->kontextmenue().menu->hide();
    EXPECT_TRUE(start->kontextmenue().menuTags->isEnabled());

    start->kontextmenue().menuZurueck->trigger();
    start->findChild<QCheckBox*>("chkWindowsBlockieren")->click();
    start->cmdOK_Click();
    EXPECT_TRUE(kiosk.gesperrt) << "ticked again, the desktop is blocked again";
}

TEST_F(frmMainTest, LoeschenAsksAndStopsOnlyThePlayerOfTheSongItDeletes)
{
    startJukebox();
    // The sequencer would close the idle player that this fake leaves loaded.
    main->wiedergabeseite().stoppen();
    player.calls.clear();
    const QString beta = main->Archiv().TextMatrix(rowOf("Beta"), 4);
    const QString gamma = main->Archiv().TextMatrix(rowOf("Gamma"), 4);
    main->setAktiverPlayer(1);
    player.loaded[1] = gamma;
    player.state = [gamma] { return QFile::exists(gamma) ? QString() : QStringLiteral(" after the delete"); };
    main->Archiv().selectRow(rowOf("Gamma"));
    messages.answer = false;
    start->kontextmenue().menuLoeschen->trigger();
    EXPECT_EQ(messages.asked, QStringList { "Dieses Lied wirklich löschen?" });
    EXPECT_TRUE(QFile::exists(gamma));
    EXPECT_EQ(main->Archiv().Rows(), 4);
    EXPECT_TRUE(player.calls.isEmpty()) << "answered no";

    messages.answer = true;
    main->Archiv().selectRow(rowOf("Beta"));
    start->kontextmenue().menuLoeschen->trigger();
    EXPECT_FALSE(QFile::exists(beta));
    EXPECT_TRUE(player.calls.isEmpty()) << "another song leaves playback alone";

    main->Archiv().selectRow(rowOf("Gamma"));
    start->kontextmenue().menuLoeschen->trigger();
    EXPECT_EQ(player.calls, QStringList { "StopMP3(1)" });
    EXPECT_FALSE(QFile::exists(gamma));
    EXPECT_EQ(archivTitel(), QStringList { "Alpha" });
}

TEST_F(frmMainTest, LoeschenAsksNothingWithoutASongRow)
{
    const std::pair<const char*, std::function<void()>> ohneLied[] = {
        { "header row", [&] { main->Archiv().setRow(0); } },
        { "empty row after Zurück and no scan",
            [&] {
                start->kontextmenue().menuZurueck->trigger();
                start->cmdAbbrechen_Click();
            } },
        { "empty archive",
            [&] {
                start->kontextmenue().menuZurueck->trigger();
                start->findChild<QLineEdit*>("Text1")->setText(folder.filePath("leer"));
                start->cmdOK_Click();
            } },
    };
    QDir().mkpath(folder.filePath("leer"));
    startJukebox();
    for (const auto& [fall, vorbereiten] : ohneLied) {
        vorbereiten();
        messages.asked.clear();
        start->kontextmenue().menuLoeschen->trigger();
        EXPECT_TRUE(messages.asked.isEmpty()) << fall;
    }
    EXPECT_EQ(QDir(musik).entryList(QDir::Files).size(), 3);
    // The empty folder's report reaches the screen.
    EXPECT_EQ(main->Archiv().Rows(), 1);
    EXPECT_EQ(main->lblStartmeldung(), "0 Lieder gefunden!");
    EXPECT_TRUE(main->lblStartmeldung2().contains("\"Zurück\""));
}

TEST_F(frmMainTest, ASongAlreadyGoneLeavesTheArchiveAndOneThatCannotBeDeletedIsReported)
{
    startJukebox();
    ASSERT_TRUE(QFile::remove(main->Archiv().TextMatrix(rowOf("Alpha"), 4)));
    main->Archiv().selectRow(rowOf("Alpha"));
    start->kontextmenue().menuLoeschen->trigger();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
    EXPECT_EQ(main->Archiv().Rows(), 3);
    EXPECT_FALSE(archivTitel().contains("Alpha"));

    // A folder in the song's place: removing it as a file fails, as for a file in use.
    const QString ordner = QDir(musik).filePath("Ordner");
    QDir().mkpath(ordner);
    ASSERT_TRUE(Mp3Frames::writeFile(QDir(ordner).filePath("Innen.mp3"), Mp3Frames::silentFrames(1)));
    const int row = rowOf("Beta");
    main->Archiv().setTextMatrix(row, 4, ordner);
    main->Archiv().selectRow(row);
    start->kontextmenue().menuLoeschen->trigger();
    EXPECT_EQ(messages.shown, QStringList { "Das Lied konnte nicht gelöscht werden." });
    EXPECT_TRUE(QFile::exists(ordner));
    EXPECT_EQ(main->Archiv().TextMatrix(row, 4), ordner) << "no rescan behind the message";
}

// A scan lets events through after its first file: these commands would
// nest a second scan into it or empty the archive under it.
TEST_F(frmMainTest, RescanDeleteAndZurueckWaitWhileAScanRuns)
{
    const std::pair<const char*, std::function<void()>> befehle[] = {
        { "Neu einlesen", [&] { start->kontextmenue().menuNeuEinlesen->trigger(); } },
        { "Löschen", [&] { start->kontextmenue().menuLoeschen->trigger(); } },
        { "Zurück", [&] { start->kontextmenue().menuZurueck->trigger(); } },
        { "F11", [&] { QTest::keyClick(main.get(), Qt::Key_F11); } },
    };
    startJukebox();
    for (const auto& [name, befehl] : befehle) {
        SCOPED_TRACE(name);
        messages.asked.clear();
        QTimer::singleShot(0, main.get(), befehl);
        start->kontextmenue().menuNeuEinlesen->trigger();
        QStringList titel = archivTitel();
        titel.sort();
        EXPECT_EQ(titel, QStringList({ "Alpha", "Beta", "Gamma" }));
        EXPECT_TRUE(messages.asked.isEmpty());
        EXPECT_FALSE(start->isVisible());
    }
    EXPECT_EQ(QDir(musik).entryList(QDir::Files).size(), 3);
}

TEST_F(frmMainTest, ExplorerOpensTheMusicFolderAndTheBlockedScreenStepsBack)
{
    UrlRecorder dateimanager;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &dateimanager, "open");
    const auto weg = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
    startJukebox();
    start->kontextmenue().menuExplorerAnzeigen->trigger();
    EXPECT_EQ(dateimanager.urls, QList<QUrl> { QUrl::fromLocalFile(musik) });
    EXPECT_EQ(kiosk.zuruecktreten, 1);
    EXPECT_TRUE(messages.shown.isEmpty());

    // Started without a scan and without a folder, there is nothing to open.
    start->kontextmenue().menuZurueck->trigger();
    start->findChild<QLineEdit*>("Text1")->clear();
    start->cmdAbbrechen_Click();
    messages.shown.clear();
    start->kontextmenue().menuExplorerAnzeigen->trigger();
    EXPECT_EQ(messages.shown, QStringList { "Der Dateimanager konnte nicht geöffnet werden." });
    EXPECT_EQ(kiosk.zuruecktreten, 1) << "nothing opened that would need the room";
    EXPECT_TRUE(main->isVisible());
}

TEST_F(frmMainTest, ClosingTheStartWindowDuringTheStartStopsIt)
{
    open();
    QTimer::singleShot(0, start.get(), [this] { start->close(); });
    start->cmdOK_Click();
    EXPECT_TRUE(ProgrammEnde);
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(start->isVisible());
    main.reset();
    EXPECT_FALSE(kiosk.gesperrt) << "the screen never came up, yet the desktop comes back";
}

TEST_F(frmMainTest, LeavingTheLoadAtAFaultShowsNoHalfStartedScreen)
{
    kiosk.sperrenWirft = true;
    scope.errors.otherwise = ErrPtnr::ProzedurVerlassen;
    startJukebox();
    ASSERT_EQ(scope.errors.reports.size(), 1);
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(start->isVisible());
    EXPECT_EQ(main->Archiv().Rows(), 2) << "no scan after a load that was left";
    EXPECT_TRUE(main->Archiv().TextMatrix(1, 0).isEmpty());
}

TEST_F(frmMainTest, MenuTagsEditsTheSelectedSongAndShowsItsNewTitle)
{
    startJukebox();
    const int beta = rowOf("Beta");
    main->Archiv().selectRow(beta);
    QString bearbeitet;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmMP3Tags*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        bearbeitet = dialog->Datei();
        dialog->findChild<QLineEdit*>("Text1")->setText("Beta neu");
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
    start->kontextmenue().menuTags->trigger();
    EXPECT_EQ(bearbeitet, main->Archiv().TextMatrix(beta, 4));
    EXPECT_EQ(main->Archiv().TextMatrix(beta, 0), "Beta neu");
}

} // namespace

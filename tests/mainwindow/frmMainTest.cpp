#include "JukeboxStart.h"
#include "UrlRecorder.h"

#include "common/Farbe.h"
#include "common/SystemClock.h"
#include "common/ui/MessageBoxService.h"
#include "controls/ui/ctlSprechblase.h"
#include "controls/ui/Funbutton.h"
#include "game/ui/ctlSmilie.h"
#include "game/ui/frmTicTacToe.h"
#include "library/ui/frmMP3Tags.h"
#include "support/FakePlayer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class frmMainTest : public JukeboxStart {
protected:
    void SetUp() override
    {
        // Padded with spaces, as tag writers store them.
        for (const char* t : { "Alpha", "Beta", "Gamma" })
            addSong(QByteArray(t).leftJustified(30, ' '), QByteArray("Band").leftJustified(30, ' '));
    }
    void open() { JukeboxStart::open(player, uhr); }
    void startJukebox()
    {
        open();
        start->cmdOK_Click();
    }
    // In scan order, which follows the file system.
    QStringList archivTitel() const
    {
        QStringList t = titel(main->Archiv());
        t.sort();
        return t;
    }
    const frmStart::Kontextmenue& menu() const { return start->kontextmenue(); }

    FakePlayer player;
    SystemClock uhr;
};

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
        { "menu Beenden", [&] { menu().menuBeenden->trigger(); } },
        { "Beenden in the start window opened with F11",
            [&] {
                QTest::keyClick(main.get(), Qt::Key_F11);
                start->findChild<QPushButton*>("cmdBeenden")->click();
            } },
        { "closing, which is never refused", [&] { EXPECT_TRUE(main->close()); } },
        { "activation after the end was set",
            [&] {
                ProgrammEnde = true;
                QEvent aktiviert(QEvent::WindowActivate);
                QApplication::sendEvent(main.get(), &aktiviert);
            } },
        { "F12 during a rescan, which stops the scan",
            [&] {
                for (const char* t : { "Delta", "Epsilon", "Zeta" })
                    addSong(t);
                // The scan lets events through after its first file.
                QTimer::singleShot(0, main.get(), [this] { QTest::keyClick(main.get(), Qt::Key_F12); });
                menu().menuNeuEinlesen->trigger();
                EXPECT_LT(main->Archiv().Rows(), 7) << "the scan went on";
            } },
    };
    for (const auto& [weg, beenden] : wege) {
        SCOPED_TRACE(weg);
        main.reset();
        ProgrammEnde = false;
        player.calls.clear();
        startJukebox();
        ASSERT_TRUE(kiosk.gesperrt);
        // A running help tour and an open game must not outlive the program.
        HilfeUndSpiel& hilfe = main->hilfeUndSpiel();
        QTest::keyClick(main.get(), Qt::Key_F1);
        QTest::mouseClick(&main->cmdSmilie(), Qt::LeftButton);
        ASSERT_TRUE(hilfe.ctlSprechblase1().isVisible() && hilfe.spiel().isVisible());
        beenden();
        EXPECT_TRUE(ProgrammEnde);
        EXPECT_FALSE(main->isVisible() || start->isVisible() || kiosk.gesperrt || hilfe.tour().HilfeAktiv()
            || hilfe.tour().wecker().isActive() || hilfe.ctlSprechblase1().isVisible() || hilfe.spiel().isVisible());
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(player.calls.contains(QStringLiteral("OpenMP3(%1,)").arg(i))) << "player " << i << " open";
    }
}

TEST_F(frmMainTest, ZurueckAndASecondStartKeepThePlaylistRescanAndApplyTheChangedOptions)
{
    startJukebox();
    // Playing far from its end, so no tick of the sequencer takes it away meanwhile.
    player.status = PlayerControl::Playing;
    player.length = 3600;
    main->Playlist().AddItem("Wartend");
    QTest::keyClick(main.get(), Qt::Key_F11);
    EXPECT_TRUE(start->isVisible() && start->windowModality() == Qt::ApplicationModal);

    addSong("Delta");
    start->findChild<QSlider*>("Slider1")->setValue(4);
    start->findChild<QComboBox*>("cmbSchriftgroesse")->setCurrentText("8");
    start->findChild<QCheckBox*>("chkWindowsBlockieren")->click();
    start->cmdOK_Click();
    EXPECT_EQ(main->lblStartmeldung(), "4 Lieder gefunden!");
    EXPECT_EQ(titel(main->Playlist()), QStringList { "Wartend" }) << "the second start must not empty the playlist";
    EXPECT_EQ(std::make_tuple(main->Fadingzeit(), main->Archiv().FontSize(), main->Playlist().FontSize()),
        std::make_tuple(4, 8.0, 8.0));
    EXPECT_FALSE(kiosk.gesperrt) << "unticked blocking gives the desktop back";
    menu().menuZurueck->trigger();
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
    const QString beta = main->Archiv().TextMatrix(archivZeile("Beta"), 4);
    const QString gamma = main->Archiv().TextMatrix(archivZeile("Gamma"), 4);
    main->setAktiverPlayer(1);
    player.loaded[1] = gamma;
    player.state = [gamma] { return QFile::exists(gamma) ? QString() : QStringLiteral(" after the delete"); };
    main->Archiv().setRow(0);
    menu().menuLoeschen->trigger();
    EXPECT_TRUE(messages.asked.isEmpty()) << "the header row is no song";
    main->Archiv().selectRow(archivZeile("Gamma"));
    messages.answer = false;
    menu().menuLoeschen->trigger();
    EXPECT_EQ(messages.asked, QStringList { "Dieses Lied wirklich löschen?" });

    messages.answer = true;
    main->Archiv().selectRow(archivZeile("Beta"));
    menu().menuLoeschen->trigger();
    EXPECT_EQ(std::pair(QFile::exists(beta), player.calls), std::pair(false, QStringList()))
        << "another song leaves playback alone";

    main->Archiv().selectRow(archivZeile("Gamma"));
    menu().menuLoeschen->trigger();
    EXPECT_EQ(std::tuple(player.calls, QFile::exists(gamma), archivTitel()),
        std::tuple(QStringList { "StopMP3(1)" }, false, QStringList { "Alpha" }));
}

TEST_F(frmMainTest, ASongAlreadyGoneLeavesTheArchiveAndOneThatCannotBeDeletedIsReported)
{
    startJukebox();
    ASSERT_TRUE(QFile::remove(main->Archiv().TextMatrix(archivZeile("Alpha"), 4)));
    main->Archiv().selectRow(archivZeile("Alpha"));
    menu().menuLoeschen->trigger();
    EXPECT_EQ(archivTitel(), QStringList({ "Beta", "Gamma" }));

    // A folder in the song's place: removing it as a file fails, as for a file in use.
    const QString ordner = QDir(musik).filePath("Ordner");
    ASSERT_TRUE(Mp3Frames::writeFile(QDir(ordner).filePath("Innen.mp3"), Mp3Frames::silentFrames(1)));
    const int row = archivZeile("Beta");
    main->Archiv().setTextMatrix(row, 4, ordner);
    main->Archiv().selectRow(row);
    menu().menuLoeschen->trigger();
    EXPECT_EQ(messages.shown, QStringList { "Das Lied konnte nicht gelöscht werden." });
    EXPECT_EQ(main->Archiv().TextMatrix(row, 4), ordner) << "no rescan behind the message";
}

// A scan lets events through after its first file: these commands would
// nest a second scan into it or empty the archive under it.
TEST_F(frmMainTest, RescanDeleteAndZurueckWaitWhileAScanRuns)
{
    const std::pair<const char*, std::function<void()>> befehle[] = {
        { "Neu einlesen", [&] { menu().menuNeuEinlesen->trigger(); } },
        { "Löschen", [&] { menu().menuLoeschen->trigger(); } },
        { "Zurück", [&] { menu().menuZurueck->trigger(); } },
        { "F11", [&] { QTest::keyClick(main.get(), Qt::Key_F11); } },
    };
    startJukebox();
    for (const auto& [name, befehl] : befehle) {
        SCOPED_TRACE(name);
        QTimer::singleShot(0, main.get(), befehl);
        menu().menuNeuEinlesen->trigger();
        EXPECT_EQ(std::tuple(archivTitel(), messages.asked, start->isVisible()),
            std::tuple(QStringList({ "Alpha", "Beta", "Gamma" }), QStringList(), false));
    }
}

TEST_F(frmMainTest, ExplorerOpensTheMusicFolderAndTheBlockedScreenStepsBack)
{
    UrlRecorder dateimanager;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &dateimanager, "open");
    const auto weg = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
    startJukebox();
    menu().menuExplorerAnzeigen->trigger();
    EXPECT_EQ(dateimanager.urls, QList<QUrl> { QUrl::fromLocalFile(musik) });
    EXPECT_EQ(kiosk.zuruecktreten, 1);

    // Started without a scan and without a folder, there is nothing to open.
    menu().menuZurueck->trigger();
    start->findChild<QLineEdit*>("Text1")->clear();
    start->cmdAbbrechen_Click();
    menu().menuExplorerAnzeigen->trigger();
    menu().menuLoeschen->trigger();
    EXPECT_TRUE(messages.asked.isEmpty()) << "an empty archive has no song to delete";
    EXPECT_EQ(messages.shown, QStringList { "Der Dateimanager konnte nicht geöffnet werden." });
    EXPECT_EQ(kiosk.zuruecktreten, 1) << "nothing opened that would need the room";
}

TEST_F(frmMainTest, ClosingTheStartWindowDuringTheStartStopsIt)
{
    open();
    QTimer::singleShot(0, start.get(), [this] { start->close(); });
    start->cmdOK_Click();
    EXPECT_TRUE(ProgrammEnde && !main->isVisible() && !start->isVisible());
    main.reset();
    EXPECT_FALSE(kiosk.gesperrt) << "the screen never came up, yet the desktop comes back";
}

TEST_F(frmMainTest, LeavingTheLoadAtAFaultShowsNoHalfStartedScreen)
{
    kiosk.sperrenWirft = true;
    scope.errors.otherwise = ErrPtnr::ProzedurVerlassen;
    startJukebox();
    ASSERT_EQ(scope.errors.reports.size(), 1);
    EXPECT_TRUE(!main->isVisible() && start->isVisible() && start->findChild<QWidget*>("cmdOK")->isEnabled())
        << "ready to start again";
    EXPECT_EQ(archivTitel(), QStringList { QString() }) << "no scan after a load that was left";
}

TEST_F(frmMainTest, MenuTagsEditsTheSelectedSongAndShowsItsNewTitle)
{
    startJukebox();
    const int beta = archivZeile("Beta");
    main->Archiv().selectRow(beta);
    QString bearbeitet;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmMP3Tags*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        bearbeitet = dialog->Datei();
        dialog->findChild<QLineEdit*>("Text1")->setText("Beta neu");
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
    menu().menuTags->trigger();
    EXPECT_EQ(std::pair(bearbeitet, main->Archiv().TextMatrix(beta, 0)),
        std::pair(main->Archiv().TextMatrix(beta, 4), QString("Beta neu")));
}

TEST_F(frmMainTest, DialogsAreTouchSizedAndWindowsOpenCentredOverTheJukebox)
{
    startJukebox();
    ASSERT_EQ(main->Archiv().FontSize(), 18.0);
    MessageBoxService boxen; // as the program wires it
    boxen.setSchriftgroesse([this] { return start->werte().schriftgroesse(); });
    const std::pair<const char*, std::function<void()>> dialoge[] = {
        { "delete question", [&] { boxen.askYesNo(QStringLiteral("Dieses Lied wirklich löschen?")); } },
        { "tag editor", [&] { menu().menuTags->trigger(); } },
    };
    for (const auto& [name, oeffnen] : dialoge) {
        SCOPED_TRACE(name);
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (const QPushButton* knopf : dialog->findChildren<QPushButton*>())
                EXPECT_GE(knopf->height(), 35) << knopf->text().toStdString();
            for (const QLabel* text : dialog->findChildren<QLabel*>())
                EXPECT_GE(QFontInfo(text->font()).pointSizeF(), 18.0) << text->text().toStdString();
            dialog->reject();
        });
        oeffnen();
    }

    // No window manager places them: both open over the jukebox's middle, not in its corner.
    const QPoint mitte = main->frameGeometry().center();
    QTest::mouseClick(&main->cmdSmilie(), Qt::LeftButton);
    EXPECT_LE((main->hilfeUndSpiel().spiel().frameGeometry().center() - mitte).manhattanLength(), 8);
    main->hilfeUndSpiel().spiel().close();
    QTest::keyClick(main.get(), Qt::Key_F11);
    EXPECT_LE((start->frameGeometry().center() - mitte).manhattanLength(), 8);
}

TEST_F(frmMainTest, LoadingAppliesTheOptionsToTheButtons)
{
    for (const bool an : { false, true }) {
        SCOPED_TRACE(an);
        JukeboxStart::open(player, uhr,
            { { "PW", an ? "geheim" : "  " }, { "Spiel", an ? "1" : "0" }, { "Muelleimer", an ? "1" : "0" } });
        ASSERT_TRUE(main->laden());
        EXPECT_EQ(main->cmdSmilie().isVisibleTo(main.get()), an);
        for (Funbutton* knopf : { &main->cmdLoeschen(), &main->cmdHoch(0), &main->cmdHoch(1) })
            EXPECT_EQ(knopf->LinksGesperrt(), an) << knopf->objectName().toStdString();
        EXPECT_FALSE(main->Uebernehmen().RepeatEnabled() || main->Uebernehmen().LinksGesperrt())
            << "a press takes a song over once";
        main->hilfeUndSpiel().cmdSmilie_MouseUp(1, 0, 0, 0);
        EXPECT_EQ(main->hilfeUndSpiel().spiel().isVisibleTo(main.get()), an) << "the game opens only with its option";
    }
    main->EnabledRechts(false);
    for (Funbutton* knopf : main->Touchbuttons())
        EXPECT_FALSE(knopf->EnabledRechts()) << knopf->objectName().toStdString();
}

TEST_F(frmMainTest, TheButtonsArePreparedAgainOnlyForNewColours)
{
    JukeboxStart::open(player, uhr, { { "Farbe", "16776960" }, { "Hintergrundfarbe", "16711680" } }); // cyan on blue
    ASSERT_TRUE(main->laden());
    ASSERT_EQ(main->Touchbuttons().size(), 13);
    const qint64 erste = main->Uebernehmen().sichtbarePixmap().cacheKey();
    main->Einfaerben(0xFF0000, 0xFFFF00);
    EXPECT_EQ(main->Uebernehmen().sichtbarePixmap().cacheKey(), erste) << "the same colours keep the looks";
    main->Einfaerben(RGBToColor({ 50, 50, 50 }), 0x00FF00);
    for (Funbutton* knopf : main->Touchbuttons())
        EXPECT_EQ(
            std::tuple(knopf->IniState(), knopf->Grundfarbe, knopf->Schattenfarbe(), knopf->sichtbarePixmap().size()),
            std::tuple(80, 0x00FF00, 0x141414, knopf->size()))
            << "40 % of the new grey: " << knopf->objectName().toStdString();
    EXPECT_EQ(main->Playlist().colours().back, QColor(50, 50, 50)) << "cells on the window background";
    EXPECT_EQ(main->findChild<QLabel*>("Label2")->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(frmMainTest, From1024x768UpNothingOverlapsOrLeavesTheWindowAndAResizeKeepsTheGuestsPlace)
{
    open();
    ASSERT_TRUE(main->laden());
    FlexGrid& archiv = main->Archiv();
    archiv.setRows(501);
    main->show();
    for (const QSize groesse : { QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080) }) {
        SCOPED_TRACE(groesse.width());
        archiv.setTopRow(300);
        main->resize(groesse);
        QCoreApplication::processEvents();
        EXPECT_EQ(archiv.TopRow(), 300) << "measuring the rows does not scroll the archive";

        QList<QWidget*> teile { main->findChild<QWidget*>("MSFlexGridView1"),
            main->findChild<QWidget*>("MSFlexGridView2"), main->findChild<QWidget*>("Label2") };
        for (Funbutton* knopf : main->Touchbuttons())
            if (knopf->isVisibleTo(main.get()))
                teile << knopf;
        for (qsizetype i = 0; i < teile.size(); ++i) {
            EXPECT_TRUE(main->rect().contains(teile[i]->geometry())) << teile[i]->objectName().toStdString();
            for (qsizetype j = i + 1; j < teile.size(); ++j)
                EXPECT_FALSE(teile[i]->geometry().intersects(teile[j]->geometry()))
                    << teile[i]->objectName().toStdString() << " / " << teile[j]->objectName().toStdString();
        }
    }
}

TEST_F(frmMainTest, TheHelpTourStaysInsideTheWindowAndTheSmileyOpensOneGameOnRelease)
{
    starten1024(player, uhr);
    HilfeUndSpiel& hilfe = main->hilfeUndSpiel();
    const ctlSprechblase& blase = hilfe.ctlSprechblase1();
    QTest::mousePress(&main->cmdFragezeichen(), Qt::LeftButton);
    for (int schritt = 0; schritt < Hilfetour::kSchritte; ++schritt) {
        SCOPED_TRACE(schritt);
        ASSERT_TRUE(blase.isVisible() && blase.TextMy() == Hilfetour::schritte()[schritt].text);
        EXPECT_TRUE(main->rect().contains(blase.geometry())) << "the bubble leaves the window";
        const QPoint spitze = blase.pos() + blase.spitze() * main->logicalDpiX() / 1440;
        if (schritt == 2 || schritt == 7) {
            EXPECT_TRUE((schritt == 2 ? main->Uebernehmen() : main->cmdLoeschen()).geometry().contains(spitze))
                << "points at its control";
        }
        QTest::mousePress(&main->cmdFragezeichen(), Qt::LeftButton); // ignored during the tour
        hilfe.tour().weiter();
    }
    EXPECT_FALSE(hilfe.tour().HilfeAktiv() || blase.isVisible());

    frmTicTacToe& spiel = hilfe.spiel();
    QTest::mousePress(&main->cmdSmilie(), Qt::LeftButton);
    EXPECT_FALSE(spiel.isVisible()) << "the press alone opens nothing";
    QTest::mouseRelease(&main->cmdSmilie(), Qt::LeftButton);
    ASSERT_TRUE(spiel.isVisible());
    EXPECT_EQ(std::tuple(spiel.parentWidget(), spiel.palette().color(QPalette::Window), spiel.cmdNeu()->Grundfarbe),
        std::tuple(main.get(), QColor(0, 0, 255), start->werte().Farbe));
    QTest::mousePress(spiel.ctlSmilie1(4), Qt::LeftButton);
    hilfe.cmdSmilie_MouseUp(1, 0, 0, 0);
    EXPECT_TRUE(spiel.ctlSmilie1(4)->VisibleMy()) << "a second release leaves the running game alone";
}

} // namespace

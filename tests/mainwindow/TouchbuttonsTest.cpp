#include "../start/StartFakes.h"

#include "common/Farbe.h"
#include "common/SystemClock.h"
#include "controls/ui/Funbutton.h"
#include "mainwindow/ui/frmMain.h"
#include "playback/PlayerControl.h"
#include "start/ui/frmStart.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QLabel>

#include <memory>

namespace {

struct StillerPlayer : PlayerControl {
    void OpenMP3(int, const QString&) override { }
    void PlayMP3(int) override { }
    void PauseMP3(int) override { }
    void StopMP3(int) override { }
    qint64 GetPosition(int) override { return 0; }
    void SetPosition(int, qint64) override { }
    qint64 GetLength(int) override { return 0; }
    int GetStatus(int) override { return Other; }
    QString GetFileName(int) override { return {}; }
    qint64 GetSongLength(const QString&) override { return 0; }
};

struct OhneKiosk : Kiosk {
    void sperren() override { }
    void freigeben() override { }
    void zuruecktreten() override { }
    bool vollbild() const override { return false; }
};

// The main window built by its start window from the given settings; the archive stays empty.
class TouchbuttonsTest : public ::testing::Test {
protected:
    void laden(std::initializer_list<std::pair<const char*, const char*>> einstellungen = {})
    {
        store.values.insert("Data/Pfad", scope.folder.path());
        for (const auto& [key, wert] : einstellungen)
            store.values.insert(QStringLiteral("Data/") + key, wert);
        start = std::make_unique<frmStart>(store, messages);
        main = std::make_unique<frmMain>(
            *start, messages, player, uhr, [](QWidget*) { return std::make_unique<OhneKiosk>(); });
        start->setScreen(main.get(), main.get());
        ASSERT_TRUE(main->laden());
    }

    ReporterScope scope;
    MemorySettingsStore store;
    RecordingMessages messages;
    StillerPlayer player;
    SystemClock uhr;
    std::unique_ptr<frmStart> start;
    std::unique_ptr<frmMain> main;
};

TEST_F(TouchbuttonsTest, LoadingAppliesTheOptionsToTheButtons)
{
    struct Fall {
        const char* pw;
        const char* spiel;
        const char* muelleimer;
    };
    for (const Fall fall : { Fall { "  ", "0", "1" }, Fall { "geheim", "1", "0" } }) {
        SCOPED_TRACE(fall.pw);
        laden({ { "PW", fall.pw }, { "Spiel", fall.spiel }, { "Muelleimer", fall.muelleimer } });
        const bool passwort = QString::fromLatin1(fall.pw).trimmed().size() > 0;
        const bool muelleimer = fall.muelleimer[0] == '1';
        EXPECT_EQ(main->Schloss().isVisibleTo(main.get()), passwort) << "no lock without a password";
        EXPECT_FALSE(main->Schloss2().isVisibleTo(main.get()));
        EXPECT_EQ(main->cmdSmilie().isVisibleTo(main.get()), fall.spiel[0] == '1');
        for (Funbutton* knopf : { &main->cmdLoeschen(), &main->cmdHoch(0), &main->cmdHoch(1) })
            EXPECT_EQ(knopf->LinksGesperrt(), muelleimer) << knopf->objectName().toStdString();
        EXPECT_FALSE(main->Uebernehmen().LinksGesperrt());
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(main->FunbuttonArchivNav(i).RepeatEnabled()) << i;
        EXPECT_FALSE(main->Uebernehmen().RepeatEnabled()) << "a press takes a song over once";
        EXPECT_FALSE(main->cmdHoch(0).Enabled());
        EXPECT_FALSE(main->cmdHoch(1).Enabled());
        EXPECT_TRUE(main->cmdLoeschen().Enabled());
        EXPECT_FALSE(main->findChild<QWidget*>("txtSortierung")->isVisibleTo(main.get()));
    }
    main->EnabledRechts(false);
    for (Funbutton* knopf : main->Touchbuttons())
        EXPECT_FALSE(knopf->EnabledRechts()) << knopf->objectName().toStdString();
}

TEST_F(TouchbuttonsTest, TheButtonsArePreparedOnceAndLaterColouringsOnlyRecolour)
{
    laden({ { "Farbe", "16776960" }, { "Hintergrundfarbe", "16711680" } }); // cyan on blue
    ASSERT_EQ(main->Touchbuttons().size(), 13);
    for (Funbutton* knopf : main->Touchbuttons()) {
        EXPECT_EQ(knopf->IniState(), 80) << knopf->objectName().toStdString();
        EXPECT_EQ(knopf->Schattenfarbe(), 0x660000) << "40 % of the blue background";
        EXPECT_EQ(knopf->sichtbarePixmap().size(), knopf->size());
    }
    EXPECT_EQ(main->Archiv().colours().foreFixed, QColor(0, 0, 102)) << "the buttons' shadow colour";

    const qint32 dunkelgrau = RGBToColor({ 50, 50, 50 });
    main->Einfaerben(dunkelgrau, 0x00FF00);
    for (Funbutton* knopf : main->Touchbuttons()) {
        EXPECT_EQ(knopf->IniState(), 80);
        EXPECT_EQ(knopf->Grundfarbe, 0x00FF00);
        EXPECT_EQ(knopf->Schattenfarbe(), 0x660000) << "not prepared again";
    }
    EXPECT_EQ(main->Playlist().colours().back, QColor(50, 50, 50)) << "cells on the window background";
    EXPECT_EQ(main->palette().color(QPalette::Window), QColor(50, 50, 50));
    EXPECT_EQ(main->findChild<QLabel*>("Label2")->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(TouchbuttonsTest, From1024x768UpNothingOverlapsOrLeavesTheWindowAndAResizeKeepsTheGuestsPlace)
{
    laden();
    FlexGrid& archiv = main->Archiv();
    archiv.setRows(501);
    main->show();
    for (const QSize groesse : { QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080) }) {
        SCOPED_TRACE(groesse.width());
        archiv.setTopRow(300);
        main->resize(groesse);
        QCoreApplication::processEvents();
        EXPECT_EQ(archiv.TopRow(), 300) << "measuring the rows does not scroll the archive";
        EXPECT_EQ(main->Scrollabstand(), qMin(20, archiv.visibleRowCount()) / 2) << "the same rows the archive shows";

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

} // namespace

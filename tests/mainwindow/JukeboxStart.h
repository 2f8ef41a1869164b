#pragma once

#include "../start/StartFakes.h"

#include "common/Clock.h"
#include "common/Helpers.h"
#include "errors/FaultError.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/Kiosk.h"
#include "start/ui/frmStart.h"
#include "support/Mp3Frames.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>

#include <memory>

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

// The jukebox as its operator starts it: the start window and the main
// window on a folder of generated songs.
class JukeboxStart : public ::testing::Test {
protected:
    JukeboxStart() { store.values.insert("Data/Pfad", musik); }
    // Before the players and clocks of the derived tests go.
    void TearDown() override
    {
        main.reset();
        start.reset();
    }

    void addSong(const QByteArray& titel, const QByteArray& band = "Band")
    {
        ASSERT_TRUE(Mp3Frames::writeFile(QDir(musik).filePath(QString::fromLatin1(titel.trimmed()) + ".mp3"),
            Mp3Frames::silentFrames(4) + Mp3Frames::id3v1Tag(titel, band, 17)));
    }
    // Builds both windows with the given settings ("Data/<key>") and shows the start window.
    void open(PlayerControl& player, const Clock& uhr,
        std::initializer_list<std::pair<const char*, const char*>> einstellungen = {})
    {
        for (const auto& [key, wert] : einstellungen)
            store.values.insert(QStringLiteral("Data/") + key, wert);
        start = std::make_unique<frmStart>(store, messages);
        main = std::make_unique<frmMain>(
            *start, messages, player, uhr, [this](QWidget*) { return std::make_unique<FakeKiosk>(kiosk); });
        start->setScreen(main.get(), main.get());
        start->show();
        messages.shown.clear();
    }
    // Started on a 1024 x 768 window whose start report no longer takes the touches.
    void starten1024(PlayerControl& player, const Clock& uhr)
    {
        open(player, uhr);
        start->cmdOK_Click();
        // Maximised on the small offscreen screen, the window would take its size only later.
        main->showNormal();
        main->resize(1024, 768);
        main->TimerStartmeldung_Timer();
        QCoreApplication::processEvents();
    }
    // The shown titles of a grid's song rows, row 1 first.
    static QStringList titel(const FlexGrid& grid)
    {
        QStringList t;
        for (int row = 1; row < grid.Rows(); ++row)
            t << Anzeigetext(grid.TextMatrix(row, 0));
        return t;
    }
    int archivZeile(const QString& t) const
    {
        const int row = int(titel(main->Archiv()).indexOf(t)) + 1;
        EXPECT_GT(row, 0) << t.toStdString() << " not in the archive";
        return row;
    }

    ReporterScope scope;
    QString musik = scope.folder.filePath("Musik");
    MemorySettingsStore store;
    RecordingMessages messages;
    KioskLog kiosk;
    std::unique_ptr<frmStart> start;
    std::unique_ptr<frmMain> main;
};

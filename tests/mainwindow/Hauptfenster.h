#pragma once

#include "../start/StartFakes.h"

#include "mainwindow/ui/frmMain.h"
#include "start/ui/frmStart.h"
#include "support/FakePlayer.h"
#include "support/FakeZeit.h"

#include <gtest/gtest.h>

#include <memory>

struct OhneKiosk : Kiosk {
    void sperren() override { }
    void freigeben() override { }
    void zuruecktreten() override { }
    bool vollbild() const override { return false; }
};

// The real jukebox screen, built by its start window from the given settings
// ("Data/<key>"), over the test's folder as the music folder.
class Hauptfenster : public ::testing::Test {
protected:
    void bauen(std::initializer_list<std::pair<const char*, const char*>> einstellungen = {})
    {
        store.values.insert("Data/Pfad", scope.folder.path());
        for (const auto& [key, wert] : einstellungen)
            store.values.insert(QStringLiteral("Data/") + key, wert);
        start = std::make_unique<frmStart>(store, messages);
        main = std::make_unique<frmMain>(
            *start, messages, player, uhr, [](QWidget*) { return std::make_unique<OhneKiosk>(); });
        start->setScreen(main.get(), main.get());
    }

    ReporterScope scope;
    MemorySettingsStore store;
    RecordingMessages messages;
    FakePlayer player;
    FakeZeit uhr;
    std::unique_ptr<frmStart> start;
    std::unique_ptr<frmMain> main;
};

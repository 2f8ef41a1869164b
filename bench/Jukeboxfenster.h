#pragma once

// The start window and the jukebox screen as main() wires them, offscreen,
// with silent messages and no kiosk.

#include "Fensterattrappen.h"
#include "common/SystemClock.h"
#include "mainwindow/ui/frmMain.h"
#include "start/SettingsStore.h"
#include "start/ui/frmStart.h"

#include <memory>
#include <utility>

struct Jukeboxfenster {
    Jukeboxfenster(SettingsStore& store, PlayerControl& player)
        : start(store, meldungen)
        , main(start, meldungen, player, uhr, [](QWidget*) { return std::make_unique<OhneKiosk>(); })
    {
        start.setScreen(&main, &main);
    }

    // Settings of section "Data" for a start on the given folder: no playlist, no random songs, maximised.
    static void einrichten(SettingsStore& store, const QString& musikordner)
    {
        for (const auto& [schluessel, wert] : { std::pair { "Pfad", musikordner },
                 { "Playliste", QStringLiteral("0") }, { "Zufall", QStringLiteral("0") },
                 { "Maximieren", QStringLiteral("1") } })
            store.SaveSetting(QStringLiteral("Data"), QString::fromLatin1(schluessel), wert);
    }

    StilleMeldungen meldungen;
    SystemClock uhr;
    frmStart start;
    frmMain main;
};

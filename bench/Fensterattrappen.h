#pragma once

// Stand-ins for the services the real windows get in main(), for benchmarks
// that build the start window and the jukebox screen offscreen.

#include "common/MessageService.h"
#include "platform/Kiosk.h"
#include "playback/PlayerControl.h"

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

// The offscreen screen is smaller than the jukebox asks for; its warning must not wait for a hand.
struct StilleMeldungen : MessageService {
    void show(Icon, const QString&, const QString&) override { }
    bool askYesNo(const QString&, Icon, const QString&) override { return false; }
    void beep() override { }
};

struct OhneKiosk : Kiosk {
    void sperren() override { }
    void freigeben() override { }
    void zuruecktreten() override { }
    bool vollbild() const override { return false; }
};

#pragma once

#include <QDateTime>
#include <QString>

// The sequencer's record of what plays, shared with the playlist (delete
// resets it) and the time display.
struct Wiedergabezustand {
    // Player of the current song, 0 or 1.
    int AktiverPlayer = 0;
    // Path of the song last started; "" when none or after its row went.
    QString AktuelleDatei;
    // 1 after a song was started from row 1; 0 after that row was deleted.
    int AktuelleZeile = 0;
    QDateTime Startzeit;
    // Whole seconds of the current song.
    qint64 Liedlaenge = 0;
    QDateTime LetzteMinute;
};

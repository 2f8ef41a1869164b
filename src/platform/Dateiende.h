#pragma once

#include <QByteArray>
#include <QString>

// The size and the last bytes of a file, read with one open and as few
// system calls as the system allows: a scan reads this of every song, and
// the system calls are most of its time.
struct Dateiende {
    // False when the file could not be opened or read; then nothing else is known.
    bool gelesen = false;
    qint64 groesse = 0;
    // The last laenge bytes, or the whole file when it is shorter.
    QByteArray bytes;

    static Dateiende lesen(const QString& pfad, int laenge);
};

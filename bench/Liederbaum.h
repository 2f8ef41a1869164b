#pragma once

// A generated music folder for the start benchmarks: one-second MP3s (silent
// frames from the test builders) with distinct ID3v1 tags, 20 songs a
// folder, 50 album folders under each artist folder. Kept in the temporary
// folder for later runs; a marker file says it is complete.

#include "Kurzlauf.h"
#include "support/Mp3Frames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cstdio>

namespace Liederbaum {

constexpr int kLiederJeOrdner = 20;
constexpr int kAlbenJeInterpret = 50;

inline int lieder()
{
    return Kurzlauf::waehle(100000, 1000);
}

// The folder holding lieder() songs in lieder() / 20 folders.
inline QString ordner()
{
    const int anzahl = lieder();
    const QString wurzel = QStringLiteral("%1/tonvaro-bench-lieder-%2").arg(QDir::tempPath()).arg(anzahl);
    const QString musik = wurzel + QStringLiteral("/Musik");
    const QString marke = wurzel + QStringLiteral("/vollstaendig-v1");
    if (QFile::exists(marke))
        return musik;
    std::printf("generating %d songs in %s ...\n", anzahl, qPrintable(musik));
    std::fflush(stdout);
    QDir(wurzel).removeRecursively();
    const QByteArray audio = Mp3Frames::silentFrames(39); // one second at 44.1 kHz
    for (int nummer = 0; nummer < anzahl; ++nummer) {
        const int ordnerNr = nummer / kLiederJeOrdner;
        const int interpret = ordnerNr / kAlbenJeInterpret;
        const QString datei = QStringLiteral("%1/Interpret %2/Album %3/Lied %4.mp3")
                                  .arg(musik)
                                  .arg(interpret, 4, 10, QLatin1Char('0'))
                                  .arg(ordnerNr % kAlbenJeInterpret, 2, 10, QLatin1Char('0'))
                                  .arg(nummer, 6, 10, QLatin1Char('0'));
        const QByteArray tag = Mp3Frames::id3v1Tag(QByteArray("Lied ").append(QByteArray::number(nummer)),
            QByteArray("Interpret ").append(QByteArray::number(interpret)), static_cast<unsigned char>(nummer % 126));
        if (!Mp3Frames::writeFile(datei, audio + tag))
            qFatal("cannot write %s", qPrintable(datei));
    }
    QFile(marke).open(QIODevice::WriteOnly);
    return musik;
}

// The least any scan has to do: walk, open, read the tag bytes, close.
inline int bareWalk(const QString& ordner)
{
    int anzahl = 0;
    QDirIterator it(ordner, { QStringLiteral("*.mp3") }, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            continue;
        const qint64 laenge = file.size();
        if (laenge >= 128 && file.seek(laenge - 128) && file.read(128).size() == 128)
            ++anzahl;
    }
    return anzahl;
}

} // namespace Liederbaum

// The full duration scan over 20,000 archive songs, against reading the same
// files' lengths in a bare loop (what songlength-header measures), and the
// longest gap between event-loop turns while the scan runs.
#include "common/FlexGrid.h"
#include "playback/Dauermessung.h"
#include "playback/Mp3Length.h"
#include "support/Mp3Frames.h"
#include "Kurzlauf.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const int kLieder = Kurzlauf::waehle(20000, 400);
// Distinct files; the rest are hard links to them, so the set stays small on disk.
const int kVerschiedene = Kurzlauf::waehle(500, 40);

QByteArray lied(int i)
{
    const Mp3Frames::Format cd { 44100, false };
    const int frames = 38 * (4 + i % 9);
    QByteArray audio = Mp3Frames::frames(cd, { 96, 128, 192 }, frames);
    audio.prepend(Mp3Frames::xingFrame(cd, 128, false, frames, int(audio.size()), 576, 1000));
    if (i % 3 == 0)
        audio.prepend(Mp3Frames::id3v2Tag(50'000));
    return audio;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    QStringList pfade;
    for (int i = 0; i < kLieder; ++i) {
        const QString pfad = ordner.filePath(QStringLiteral("%1.mp3").arg(i));
        if (i < kVerschiedene
                ? !Mp3Frames::writeFile(pfad, lied(i))
                : !QFile::link(pfade.at(i % kVerschiedene), pfad) && !QFile::copy(pfade.at(i % kVerschiedene), pfad))
            qFatal("cannot write %s", qPrintable(pfad));
        pfade << pfad;
    }

    QElapsedTimer uhr;
    qint64 summe = 0;
    for (const QString& pfad : pfade) // warms the file cache
        summe += Mp3Length::of(pfad).value_or(Mp3Length::Duration {}).samples;
    uhr.start();
    for (const QString& pfad : pfade)
        summe += Mp3Length::of(pfad).value_or(Mp3Length::Duration {}).samples;
    const double basis = uhr.nsecsElapsed() / 1e9;

    FlexGrid archiv;
    archiv.setRows(kLieder + 1);
    for (int i = 1; i <= kLieder; ++i)
        archiv.setRowTexts(
            i, { QStringLiteral("Titel"), QStringLiteral("Band"), QStringLiteral("Rock"), QString(), pfade.at(i - 1) });
    Dauermessung messung(archiv, &Dauermessung::Dateilaenge);
    qint64 groessteLuecke = 0;
    QElapsedTimer seitLetzterRunde;
    QTimer runde;
    runde.setInterval(1);
    QObject::connect(
        &runde, &QTimer::timeout, [&] { groessteLuecke = std::max(groessteLuecke, seitLetzterRunde.restart()); });
    QObject::connect(&messung, &Dauermessung::fertig, &app, &QCoreApplication::quit);
    uhr.restart();
    seitLetzterRunde.start();
    runde.start();
    messung.ZeitenEinlesen(false);
    app.exec();
    const double scan = uhr.nsecsElapsed() / 1e9;
    if (summe == 42 || archiv.TextMatrix(kLieder, 3).isEmpty())
        std::printf("(scan incomplete)\n");
    std::printf(
        "durations: %.0f files/s (ratio %.2f vs songlength-header on the same files)\n", kLieder / scan, basis / scan);
    std::printf("durations-gap: %lld ms longest gap between event-loop turns (ratio %.2f vs 50 ms)\n",
        static_cast<long long>(groessteLuecke), groessteLuecke / 50.0);
    return 0;
}

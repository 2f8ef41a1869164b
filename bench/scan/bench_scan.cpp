// Folder scan into the archive against the bare work on the same files.
//
// A library of 20,000 small MP3 files (valid frames, most with an ID3v1 tag)
// in 400 nested folders is generated once into the temporary folder and kept
// for later runs. Measured on a warm cache, best of several rounds:
//   - Einlesen into the archive grid (reading on every core) vs a bare walk
//     on one thread that only opens each *.mp3, reads its last 128 bytes
//     and closes it (target ratio <= 2.0);
//   - peak memory per archive row during a scan (target < 1 KiB; Linux only);
//   - the longest gap between two processed event batches (target <= 100 ms);
//   - with ID3v2 titles on, a second library where every other song carries
//     only an ID3v2 tag, against a bare walk that also reads those tags'
//     bytes (target ratio <= 1.5).

#include "common/FlexGrid.h"
#include "common/MessageService.h"
#include "Kurzlauf.h"
#include "library/Archiv.h"
#include "library/Id3v2Tag.h"
#include "library/Liedersuche.h"
#include "Liederbaum.h"
#include "platform/AppPaths.h"
#include "Rundenuhr.h"
#include "Speicher.h"
#include "support/Mp3Frames.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kInterpreten = Kurzlauf::waehle(20, 4);
const int kAlbenJeInterpret = Kurzlauf::waehle(19, 4); // 20 + 20 * 19 = 400 folders
const int kLiederJeOrdner = Kurzlauf::waehle(50, 20); // 20,000 songs
const int kRunden = Kurzlauf::waehle(5, 1);

const int kId3v2Lieder = Kurzlauf::waehle(10000, 400);
const char* const kGenerationMarker = "vollstaendig-v1";

class SilentMessages : public MessageService {
public:
    void show(Icon, const QString& text, const QString&) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
    }
    bool askYesNo(const QString&, Icon, const QString&) override { return false; }
    void beep() override { }
};

QByteArray frames(int count)
{
    QByteArray frame(417, '\0'); // MPEG-1 Layer III, 128 kbit/s, 44.1 kHz, silent
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    return frame.repeated(count);
}

QByteArray tag(int nummer)
{
    QByteArray bytes(128, ' ');
    bytes.replace(0, 3, "TAG");
    bytes.replace(3, 30, QByteArray("Lied ").append(QByteArray::number(nummer)).leftJustified(30, ' '));
    bytes.replace(33, 30, QByteArray("Interpret ").append(QByteArray::number(nummer % 97)).leftJustified(30, ' '));
    bytes[127] = char(nummer % 130);
    return bytes;
}

void schreibeLied(const QString& pfad, int nummer)
{
    QFile file(pfad);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(pfad));
    file.write(frames(3));
    if (nummer % 10 != 0) // every tenth song has no tag
        file.write(tag(nummer));
}

void fuelleOrdner(const QString& ordner, int& nummer)
{
    QDir().mkpath(ordner);
    for (int i = 0; i < kLiederJeOrdner; ++i, ++nummer)
        schreibeLied(QStringLiteral("%1/Lied %2.mp3").arg(ordner).arg(nummer, 5, 10, QLatin1Char('0')), nummer);
}

QString bibliothek()
{
    const QString wurzel = QDir::tempPath() + QStringLiteral("/tonvaro-bench-scan")
        + Kurzlauf::waehle(QString(), QStringLiteral("-kurz"));
    if (QFile::exists(wurzel + QLatin1Char('/') + QLatin1String(kGenerationMarker)))
        return wurzel + QStringLiteral("/Musik");
    std::printf("generating %d songs in %s ...\n", kInterpreten * (1 + kAlbenJeInterpret) * kLiederJeOrdner,
        qPrintable(wurzel));
    QDir(wurzel).removeRecursively();
    int nummer = 0;
    for (int i = 0; i < kInterpreten; ++i) {
        const QString interpret = QStringLiteral("%1/Musik/Interpret %2").arg(wurzel).arg(i);
        fuelleOrdner(interpret, nummer);
        // Albums nest: every third one lies inside the album before it.
        QString eltern = interpret;
        for (int a = 0; a < kAlbenJeInterpret; ++a) {
            const QString album = QStringLiteral("%1/Album %2").arg(a % 3 == 0 ? interpret : eltern).arg(a);
            fuelleOrdner(album, nummer);
            eltern = album;
        }
    }
    QFile(wurzel + QLatin1Char('/') + QLatin1String(kGenerationMarker)).open(QIODevice::WriteOnly);
    return wurzel + QStringLiteral("/Musik");
}

// Every other song carries only an ID3v2 tag, with the padding taggers leave.
QString bibliothekMitId3v2()
{
    const QString wurzel = QDir::tempPath() + QStringLiteral("/tonvaro-bench-scan-id3v2")
        + Kurzlauf::waehle(QString(), QStringLiteral("-kurz"));
    if (QFile::exists(wurzel + QLatin1Char('/') + QLatin1String(kGenerationMarker)))
        return wurzel;
    std::printf("generating %d songs in %s ...\n", kId3v2Lieder, qPrintable(wurzel));
    QDir(wurzel).removeRecursively();
    for (int nummer = 0; nummer < kId3v2Lieder; ++nummer) {
        const QString pfad = QStringLiteral("%1/Album %2/Lied %3.mp3").arg(wurzel).arg(nummer / 50).arg(nummer);
        const QByteArray titel = QByteArray("Lied ").append(QByteArray::number(nummer));
        const QByteArray id3v2 = Mp3Frames::id3v2TagWith(3,
            Mp3Frames::id3v2TextFrame(3, "TIT2", 0, titel) + Mp3Frames::id3v2TextFrame(3, "TPE1", 0, "Interpret")
                + Mp3Frames::id3v2TextFrame(3, "TCON", 0, "(17)") + QByteArray(1024, '\0'));
        const bool nurId3v2 = nummer % 2 == 1;
        if (!Mp3Frames::writeFile(pfad, nurId3v2 ? id3v2 + frames(3) : frames(3) + tag(nummer)))
            qFatal("cannot write %s", qPrintable(pfad));
    }
    QFile(wurzel + QLatin1Char('/') + QLatin1String(kGenerationMarker)).open(QIODevice::WriteOnly);
    return wurzel;
}

// The bare walk plus what ID3v2 titles cannot do without: a file without
// ID3v1 tag also has its first bytes and the ID3v2 tag they announce read.
int bareWalkMitId3v2(const QString& ordner)
{
    int anzahl = 0;
    QDirIterator it(ordner, { QStringLiteral("*.mp3") }, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !file.seek(file.size() - 128))
            continue;
        ++anzahl;
        if (file.read(128).startsWith("TAG") || !file.seek(0))
            continue;
        const qint64 groesse = Id3v2Tag::groesse(file.read(Id3v2Tag::kKopfgroesse));
        if (groesse > Id3v2Tag::kKopfgroesse)
            file.read(groesse - Id3v2Tag::kKopfgroesse);
    }
    return anzahl;
}

struct Scan {
    double sekunden = 0;
    int zeilen = 0;
    double groessteLueckeMs = 0;
};

Scan einlesen(const QString& ordner, bool id3v2 = false)
{
    FlexGrid MSFlexGrid1;
    FlexGrid MSFlexGrid2;
    Archiv archiv(MSFlexGrid1, MSFlexGrid2);
    SilentMessages meldungen;
    Liedersuche suche(archiv, meldungen);
    archiv.TabelleLeeren(MSFlexGrid1);
    archiv.setId3v2(id3v2);

    QElapsedTimer uhr;
    uhr.start();
    const Rundenuhr runden;
    suche.Einlesen(ordner);
    return { uhr.nsecsElapsed() / 1e9, MSFlexGrid1.Rows() - 1, runden.laengsteMs() };
}

// Peak memory per archive row of one scan, in bytes (0 where not measurable).
double speicherJeZeile(const QString& ordner)
{
    if (!Speicher::spitzeZuruecksetzen())
        return 0;
    const double vorher = Speicher::residentMiB();
    const Scan scan = einlesen(ordner);
    return scan.zeilen > 0 ? (Speicher::spitzeMiB() - vorher) * 1024 * 1024 / scan.zeilen : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir programmOrdner; // the error log, should anything fail
    AppPaths::setProgramFolder(programmOrdner.path());

    const QString ordner = bibliothek();
    const int lieder = Liederbaum::bareWalk(ordner); // warms the cache
    // First, so that no earlier scan left freed memory for this one to reuse.
    const double speicher = speicherJeZeile(ordner);

    double besteBasis = 1e9;
    double besterScan = 1e9;
    std::vector<double> luecken;
    int zeilen = 0;
    for (int runde = 0; runde < kRunden; ++runde) {
        QElapsedTimer uhr;
        uhr.start();
        Liederbaum::bareWalk(ordner);
        besteBasis = std::min(besteBasis, uhr.nsecsElapsed() / 1e9);
        const Scan scan = einlesen(ordner);
        besterScan = std::min(besterScan, scan.sekunden);
        luecken.push_back(scan.groessteLueckeMs);
        zeilen = scan.zeilen;
    }
    if (zeilen != lieder)
        std::fprintf(stderr, "archive has %d rows for %d songs\n", zeilen, lieder);

    const QString mitId3v2 = bibliothekMitId3v2();
    const int id3v2Lieder = bareWalkMitId3v2(mitId3v2);
    double besteId3v2Basis = 1e9;
    double besterId3v2Scan = 1e9;
    int id3v2Zeilen = 0;
    for (int runde = 0; runde < kRunden; ++runde) {
        QElapsedTimer uhr;
        uhr.start();
        bareWalkMitId3v2(mitId3v2);
        besteId3v2Basis = std::min(besteId3v2Basis, uhr.nsecsElapsed() / 1e9);
        const Scan scan = einlesen(mitId3v2, true);
        besterId3v2Scan = std::min(besterId3v2Scan, scan.sekunden);
        id3v2Zeilen = scan.zeilen;
    }

    std::printf("scan: %.0f songs/s (ratio %.2f vs bare walk)\n", zeilen / besterScan, besterScan / besteBasis);
    std::printf("scan memory: %.0f bytes/row peak (target < 1024)\n", speicher);
    // The median round, so that one preemption by another process on a busy
    // machine does not count as the scan's own gap; the worst round is shown too.
    std::sort(luecken.begin(), luecken.end());
    std::printf("scan event gap: %.1f ms longest between event batches, median round (worst round %.1f ms; "
                "target <= 100)\n",
        luecken[luecken.size() / 2], luecken.back());
    std::printf("scan-id3v2: %.0f songs/s, half of them with only an ID3v2 tag (ratio %.2f vs bare walk with "
                "ID3v2 reads; target <= 1.5)\n",
        id3v2Zeilen / besterId3v2Scan, besterId3v2Scan / besteId3v2Basis);
    return zeilen == lieder && id3v2Zeilen == id3v2Lieder ? 0 : 1;
}

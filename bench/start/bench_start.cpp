// The start on a large music folder as the operator sees it: from OK in the
// start window until the jukebox screen has painted itself (the folder scan
// into the archive, the screen's load, its layout and first paint; the
// duration scan started), against a bare walk that opens each file and reads
// its last 128 bytes. Also the peak resident memory of the first start,
// against the same process just before it.

#include "Jukeboxfenster.h"
#include "Kurzlauf.h"
#include "Liederbaum.h"
#include "Speicher.h"
#include "platform/AppPaths.h"
#include "start/QSettingsStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

const int kRunden = Kurzlauf::waehle(3, 1);
constexpr double kZielVerhaeltnis = 1.5;
constexpr double kZielMiB = 80;

// Notes the first paint of the watched window.
class Malwache : public QObject {
public:
    bool gemalt = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        gemalt = gemalt || event->type() == QEvent::Paint;
        return false;
    }
};

struct Start {
    double sekunden = 0;
    int zeilen = 0;
};

Start starten(const QString& ordner)
{
    QSettingsStore store(QStringLiteral("bench_start"));
    Jukeboxfenster::einrichten(store, ordner);
    StillerPlayer player;
    Jukeboxfenster fenster(store, player);
    frmStart& start = fenster.start;
    frmMain& main = fenster.main;
    start.show();
    QCoreApplication::processEvents();
    Malwache wache;
    main.installEventFilter(&wache);

    QElapsedTimer stoppuhr;
    stoppuhr.start();
    start.cmdOK_Click();
    while (!wache.gemalt && stoppuhr.elapsed() < 60'000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const Start ergebnis { stoppuhr.nsecsElapsed() / 1e9, main.Archiv().Rows() - 1 };
    main.removeEventFilter(&wache);
    return ergebnis;
}

} // namespace

int main(int argc, char** argv)
{
    // The bench's settings go to a folder of their own, not the user's.
    QTemporaryDir konfiguration;
    qputenv("XDG_CONFIG_HOME", konfiguration.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTemporaryDir programmOrdner; // playlist and error log, should anything be written
    AppPaths::setProgramFolder(programmOrdner.path());

    const QString ordner = Liederbaum::ordner();
    const int lieder = Liederbaum::bareWalk(ordner); // warms the cache

    // First, so that no earlier start left freed memory for this one to reuse.
    Speicher::spitzeZuruecksetzen();
    const double vorherMiB = Speicher::residentMiB();
    Start besterStart = starten(ordner);
    const double spitzeMiB = Speicher::spitzeMiB();

    double besteBasis = 1e9;
    for (int runde = 0; runde < kRunden; ++runde) {
        QElapsedTimer uhr;
        uhr.start();
        Liederbaum::bareWalk(ordner);
        besteBasis = std::min(besteBasis, uhr.nsecsElapsed() / 1e9);
        if (runde > 0)
            besterStart.sekunden = std::min(besterStart.sekunden, starten(ordner).sekunden);
    }
    if (besterStart.zeilen != lieder)
        std::fprintf(stderr, "archive has %d rows for %d songs\n", besterStart.zeilen, lieder);

    std::printf("OK to the painted jukebox screen with %d songs: %.2f s, bare walk %.2f s (target ratio %.1f)\n",
        lieder, besterStart.sekunden, besteBasis, kZielVerhaeltnis);
    std::printf("start-%dk: %.2f s (ratio %.2f vs bare walk)\n", lieder / 1000, besterStart.sekunden,
        besterStart.sekunden / besteBasis);
    std::printf("peak resident memory of the first start: %.1f MiB, %.0f bytes per song above the %.1f MiB before "
                "it (target %.0f MiB)\n",
        spitzeMiB, (spitzeMiB - vorherMiB) * 1024 * 1024 / lieder, vorherMiB, kZielMiB);
    std::printf("memory-%dk: %.1f MiB (ratio %.2f vs before the scan)\n", lieder / 1000, spitzeMiB,
        spitzeMiB / vorherMiB);
    return besterStart.zeilen == lieder ? 0 : 1;
}

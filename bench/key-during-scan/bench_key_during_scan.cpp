// The screen's thread while the full duration scan runs over the generated
// music folder: one search key (the search, then the visible rows' durations
// asked for first, as the keyboard does), against the same key with no scan
// running; a header sort meanwhile; and how long starting the scan blocks.
// Each touch counts until the screen's thread is free again: its own time
// plus the longest event-loop turn in the 30 ms after it, both in the
// screen thread's CPU time (on a busy machine, preemption would swamp them).

#include "Fensterattrappen.h"
#include "Kurzlauf.h"
#include "Liederbaum.h"
#include "Rundenuhr.h"
#include "common/FlexGrid.h"
#include "library/Archiv.h"
#include "library/Archivsortierung.h"
#include "library/Archivsuche.h"
#include "library/Liedersuche.h"
#include "platform/AppPaths.h"
#include "playback/Dauermessung.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kTasten = Kurzlauf::waehle(40, 4);
const int kSortierungen = Kurzlauf::waehle(6, 2);
constexpr double kTasteZielMs = 5;
constexpr double kSortierZielMs = 100;
constexpr double kStartZielMs = 16;

template <typename F> double rechenMs(F&& tun)
{
    const qint64 vorher = Rundenuhr::rechenzeitNs();
    tun();
    return (Rundenuhr::rechenzeitNs() - vorher) / 1e6;
}

// Lets events run for dauerMs; the longest turn of the event loop meanwhile.
double laengsteRunde(int dauerMs)
{
    const Rundenuhr runden(Rundenuhr::Zeit::Rechenzeit);
    QEventLoop schleife;
    QTimer::singleShot(dauerMs, &schleife, &QEventLoop::quit);
    schleife.exec();
    return runden.laengsteMs();
}

template <typename F> double beruehrung(F&& tun)
{
    const double eigene = rechenMs(tun);
    return eigene + laengsteRunde(30);
}

double median(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

// A search for "LIED <digits>" whose last key is measured, the visible durations asked for afterwards.
double taste(FlexGrid& archiv, Dauermessung& messung, int nummer)
{
    const QString text = QStringLiteral("lied %1").arg(nummer);
    Archivsuche suche;
    for (qsizetype k = 0; k + 1 < text.size(); ++k)
        suche.taste(text.mid(k, 1));
    return beruehrung([&] {
        if (suche.KeyClick(archiv, Archiv::Titel, text.right(1)) > 0) {
            messung.setZeitenNeustart(true);
            messung.ZeitenEinlesen(true);
        }
    });
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir programmOrdner; // the error log, should anything fail
    AppPaths::setProgramFolder(programmOrdner.path());

    const QString ordner = Liederbaum::ordner();
    Liederbaum::bareWalk(ordner); // warms the cache
    FlexGrid MSFlexGrid1;
    FlexGrid MSFlexGrid2;
    Archiv archiv(MSFlexGrid1, MSFlexGrid2);
    StilleMeldungen meldungen;
    Liedersuche suche(archiv, meldungen);
    archiv.TabelleLeeren(MSFlexGrid1);
    suche.Einlesen(ordner);
    FlexGrid& grid = MSFlexGrid1;
    grid.announcePendingRows();
    grid.setVisibleRowCount(20);
    const int zeilen = grid.Rows() - 1;
    Archivsortierung::Sortieren(grid, Archiv::Titel, 1, false);

    // Nothing measures yet: the same keys alone.
    Dauermessung messung(grid, &Dauermessung::Dateilaenge);
    std::vector<double> ohneScan;
    for (int i = 0; i < kTasten; ++i)
        ohneScan.push_back(taste(grid, messung, (i * 7919) % zeilen));
    for (int zeile = 1; zeile < grid.Rows(); ++zeile)
        grid.setTextMatrix(zeile, Archiv::Dauer, QString());

    QElapsedTimer uhr;
    uhr.start();
    const double startMs = rechenMs([&] { messung.ZeitenEinlesen(false); });
    std::vector<double> mitScan;
    std::vector<double> sortierungen;
    for (int i = 0; i < kTasten; ++i) {
        laengsteRunde(20);
        mitScan.push_back(taste(grid, messung, (i * 7919) % zeilen));
        if (i % (kTasten / kSortierungen) == 0)
            sortierungen.push_back(beruehrung([&] {
                const int spalte = sortierungen.size() % 2 == 0 ? Archiv::Interpret : Archiv::Titel;
                grid.setRow(Archivsortierung::Sortieren(grid, spalte, grid.Row(), true));
                messung.setZeitenNeustart(true);
                messung.ZeitenEinlesen(true);
            }));
        // Searches go on the title column.
        if (grid.sortedCol() != Archivsortierung::Sortierschluessel(Archiv::Titel))
            Archivsortierung::Sortieren(grid, Archiv::Titel, grid.Row(), false);
    }
    const bool liefNoch = messung.ZeitenLaeuft();
    const double scanBisher = uhr.nsecsElapsed() / 1e9;
    if (!liefNoch)
        std::printf("(the duration scan ended after %.1f s, before the last key)\n", scanBisher);

    const double taste = median(mitScan);
    std::printf("%d rows: search key during the duration scan %.2f ms median, %.2f ms worst; without scan %.2f ms; "
                "header sort during the scan %.1f ms median, %.1f ms worst; starting the scan %.2f ms "
                "(targets %.0f, %.0f, %.0f ms)\n",
        zeilen, taste, *std::max_element(mitScan.begin(), mitScan.end()), median(ohneScan), median(sortierungen),
        *std::max_element(sortierungen.begin(), sortierungen.end()), startMs, kTasteZielMs, kSortierZielMs,
        kStartZielMs);
    std::printf("key-during-scan: %.2f ms (ratio %.2f vs the same key without scan)\n", taste, taste / median(ohneScan));
    std::printf("sort-during-scan: %.1f ms (ratio %.2f vs target 100 ms)\n", median(sortierungen),
        median(sortierungen) / kSortierZielMs);
    std::printf("scan-start: %.2f ms (ratio %.2f vs target 16 ms)\n", startMs, startMs / kStartZielMs);
    return 0;
}

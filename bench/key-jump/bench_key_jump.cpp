// One search key on 100,000 archive rows: the worst case, a text that only
// the last row matches, so the whole archive is read.

#include "../sort/BenchArchiv.h"
#include "library/Archiv.h"
#include "library/Archivsortierung.h"
#include "library/Archivsuche.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

int kRows = 100000;
constexpr double kTargetMs = 5.0;
constexpr int kRepeats = 20;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        kRows = std::max(1000, QString::fromLocal8Bit(argv[1]).toInt());
    FlexGrid archiv;
    archiv.setVisibleRowCount(20);
    BenchArchiv::fuellen(archiv, kRows);
    Archivsortierung::Sortieren(archiv, Archiv::Titel, 0, false);
    archiv.setTextMatrix(archiv.Rows() - 1, Archiv::Titel, QStringLiteral("Zz letzter"));

    double worst = 0, best = 1e9;
    for (int i = 0; i < kRepeats; ++i) {
        Archivsuche suche;
        suche.taste(QStringLiteral("Z"));
        QElapsedTimer timer;
        timer.start();
        const int zeile = suche.KeyClick(archiv, Archiv::Titel, QStringLiteral("z"));
        const double dauer = BenchArchiv::ms(timer);
        if (zeile != archiv.Rows() - 1)
            std::printf("jumped to row %d instead of the last\n", zeile);
        worst = std::max(worst, dauer);
        best = std::min(best, dauer);
    }
    std::printf("one key over %d rows: best %.2f ms, worst %.2f ms\n", kRows, best, worst);
    BenchArchiv::summary("key-jump", best, "ms", best / kTargetMs, "target 5 ms");
    return 0;
}

// One search key on 100,000 archive rows, sorted on the column that is
// searched (the artist column through its artist-and-title key): the slowest
// key of a full ten-letter search, in either case, with an umlaut.

#include "../sort/BenchArchiv.h"
#include "library/Archiv.h"
#include "library/Archivsortierung.h"
#include "library/Archivsuche.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

int kRows = 100000;
constexpr int kRepeats = 10;

struct Lauf {
    int spalte;
    const char* tasten; // one key per character
};

// The best time of each key (the search text up to it typed before), and the slowest of those.
double langsamsteTaste(FlexGrid& archiv, const Lauf& lauf)
{
    const QString tasten = QString::fromUtf8(lauf.tasten);
    double langsamste = 0;
    for (qsizetype n = 1; n <= tasten.size(); ++n) {
        double beste = 1e9;
        for (int i = 0; i < kRepeats; ++i) {
            Archivsuche suche;
            for (qsizetype k = 0; k + 1 < n; ++k)
                suche.taste(tasten.mid(k, 1));
            QElapsedTimer timer;
            timer.start();
            const int zeile = suche.KeyClick(archiv, lauf.spalte, tasten.mid(n - 1, 1));
            beste = std::min(beste, BenchArchiv::ms(timer));
            if (zeile == 0)
                std::printf("\"%s\" found nothing\n", qPrintable(suche.Suchtext()));
        }
        langsamste = std::max(langsamste, beste);
    }
    return langsamste;
}

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
    const double titel = langsamsteTaste(archiv, { Archiv::Titel, "lIED 12345" });
    Archivsortierung::Sortieren(archiv, Archiv::Interpret, 0, false);
    const double interpret = langsamsteTaste(archiv, { Archiv::Interpret, "mÜnstler 4" });
    // A changed cell leaves the order unknown until the next sort: every row is read.
    archiv.setTextMatrix(1, Archiv::Sortierschluessel, QString());
    const double unsortiert = langsamsteTaste(archiv, { Archiv::Interpret, "mÜnstler 4" });

    const double wert = std::max(titel, interpret);
    std::printf("slowest key over %d sorted rows: title %.3f ms, artist %.3f ms; unsorted %.2f ms\n", kRows, titel,
        interpret, unsortiert);
    BenchArchiv::summary("key-jump", wert, "ms", wert / unsortiert, "reading every row (target 5 ms)");
    return 0;
}

#pragma once

#include "common/FlexGrid.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>
#include <random>

// A random archive of song rows for the sort and search benchmarks, and the
// summary line every benchmark prints.
namespace BenchArchiv {

inline void fuellen(FlexGrid& archiv, int zeilen, unsigned seed = 4711)
{
    static const char* const kGenres[] = { "Rock", "Pop", "Jazz", "Blues", "Metal", "Country", "Techno", "Klassik" };
    std::mt19937 random(seed);
    const auto n = [&](int mod) { return int(random() % unsigned(mod)); };
    archiv.setRows(1);
    for (int i = 0; i < zeilen; ++i) {
        // Mixed case and umlauts, as real tags have them.
        const QString titel = QStringLiteral("%1ied %2 über Nacht")
                                  .arg(n(3) == 0 ? QStringLiteral("l") : QStringLiteral("L"))
                                  .arg(n(1000000), 6, 10, QLatin1Char('0'));
        const QString interpret
            = QStringLiteral("%1ünstler %2").arg(QChar(u'A' + n(26))).arg(n(100000), 5, 10, QLatin1Char('0'));
        const QString genre = QString::fromLatin1(kGenres[n(8)]);
        archiv.AddItem(titel);
        archiv.setRowTexts(archiv.Rows() - 1,
            { titel, interpret, genre, QStringLiteral("03:%1").arg(n(60), 2, 10, QLatin1Char('0')),
                QStringLiteral("/home/jukebox/Musik/%1/%2 - %3.mp3").arg(genre, interpret, titel), interpret + titel });
    }
    archiv.announcePendingRows();
}

inline double ms(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

inline void summary(const char* name, double value, const char* unit, double ratio, const char* baseline)
{
    std::printf("%s: %.3g %s (ratio %.3g vs %s)\n", name, value, unit, ratio, baseline);
}

} // namespace BenchArchiv

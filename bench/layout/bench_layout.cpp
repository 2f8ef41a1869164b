// Main window layout: one resize to 1920 x 1080 (every control placed, the
// column widths and the keep-distance recomputed, the grids' views laid out)
// with 100,000 archive rows, against the same with 10 rows: the layout must
// not grow with the archive.

#include "Jukeboxfenster.h"
#include "Kurzlauf.h"
#include "common/FlexGrid.h"
#include "start/QSettingsStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const int kRunden = Kurzlauf::waehle(41, 3);
constexpr double kZielMs = 5.0;

// Median time of one resize to 1920 x 1080, coming from a slightly smaller size each time.
double resizeMs(int lieder)
{
    QSettingsStore store(QStringLiteral("bench_layout"));
    StillerPlayer player;
    Jukeboxfenster fenster(store, player);
    frmMain& main = fenster.main;
    main.laden();
    FlexGrid& archiv = main.Archiv();
    archiv.setRows(lieder + 1);
    for (int zeile = 1; zeile <= lieder; ++zeile)
        archiv.setRowTexts(zeile,
            { QStringLiteral("Lied %1").arg(zeile), QStringLiteral("Band %1").arg(zeile % 977), QStringLiteral("Pop"),
                QStringLiteral("03:25"), QStringLiteral("/musik/%1.mp3").arg(zeile) });
    archiv.announcePendingRows();
    main.resize(1900, 1060);
    main.show();
    QCoreApplication::processEvents();
    archiv.setTopRow(lieder / 2);

    std::vector<double> zeiten;
    for (int i = 0; i < kRunden; ++i) {
        main.resize(1900, 1060);
        QElapsedTimer uhr;
        uhr.start();
        main.resize(1920, 1080);
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + kRunden / 2, zeiten.end());
    return zeiten[kRunden / 2];
}

} // namespace

int main(int argc, char** argv)
{
    // The bench's settings go to a folder of their own, not the user's.
    QTemporaryDir konfiguration;
    qputenv("XDG_CONFIG_HOME", konfiguration.path().toLocal8Bit());
    QApplication app(argc, argv);
    const double gross = resizeMs(argc > 1 ? std::atoi(argv[1]) : Kurzlauf::waehle(100000, 1000));
    const double klein = resizeMs(10);
    std::printf("resize to 1920 x 1080: %.3f ms with 100000 rows, %.3f ms with 10 rows, target under %.0f ms\n", gross,
        klein, kZielMs);
    std::printf("layout: %.3f ms (ratio %.2f vs the same with 10 archive rows)\n", gross, gross / klein);
    return 0;
}

// Grid at archive scale: appends 100,000 six-column song rows one at a time
// to a shown grid (letting events run after each row, as the folder scan
// does), sorts them by the artist+title column, pages through them and
// clears the grid. Prints the times, the heap bytes per row, and one summary
// line per measure.

#include "common/FlexGrid.h"
#include "common/ui/FlexGridView.h"
#include "Kurzlauf.h"

#include <QApplication>
#include <QElapsedTimer>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

// The row count can be given as the first argument for quick runs.
int kRows = Kurzlauf::waehle(100000, 2000);
constexpr double kSortTargetMs = 200.0;
constexpr double kBytesPerRowTarget = 1024.0;
// A scan reads three tags per file; the grid must not be what slows it down.
constexpr double kAppendTargetRowsPerSecond = 20000.0;
constexpr double kTopRowTargetUs = 100.0;

const char* const kGenres[] = { "Rock", "Pop", "Jazz", "Blues", "Metal", "Country", "Techno", "Klassik" };

struct Song {
    QString title, artist, genre, duration, path;
};

Song makeSong(std::mt19937& random)
{
    const auto n = [&](int mod) { return int(random() % unsigned(mod)); };
    Song song;
    song.title = QStringLiteral("Lied %1 über Nacht").arg(n(1000000), 6, 10, QLatin1Char('0'));
    song.artist = QStringLiteral("Künstler %1").arg(n(100000), 5, 10, QLatin1Char('0'));
    song.genre = QString::fromLatin1(kGenres[n(8)]);
    song.duration = QStringLiteral("%1:%2").arg(n(10), 2, 10, QLatin1Char('0')).arg(n(60), 2, 10, QLatin1Char('0'));
    song.path = QStringLiteral("/home/jukebox/Musik/%1/%2 - %3.mp3").arg(song.genre, song.artist, song.title);
    return song;
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// NAME: VALUE UNIT (ratio R vs BASELINE); small values keep two decimals.
void summary(const char* name, double value, const char* unit, double ratio, const char* baseline)
{
    std::printf("%s: %.*f %s (ratio %.2f vs %s)\n", name, value < 100 ? 2 : 0, value, unit, ratio, baseline);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc > 1)
        kRows = std::max(1000, QString::fromLocal8Bit(argv[1]).toInt());
    FlexGrid grid;
    FlexGridView view;
    view.setGrid(&grid);
    view.resize(1000, 700);
    view.show();
    for (int col = 0; col < 4; ++col)
        grid.setColWidth(col, 3000);
    grid.setRows(1);
    QApplication::processEvents();

    std::mt19937 random(4711);
    std::vector<Song> songs;
    songs.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
        songs.push_back(makeSong(random));

    const std::size_t heapBefore = heapInUse();
    QElapsedTimer timer;
    timer.start();
    for (const Song& song : songs) {
        grid.AddItem(song.title);
        const int row = grid.Rows() - 1;
        grid.setRow(row); // the scan makes each new row current
        grid.setTextMatrix(row, 4, song.path);
        grid.setTextMatrix(row, 1, song.artist);
        grid.setTextMatrix(row, 2, song.genre);
        grid.setTextMatrix(row, 3, song.duration);
        grid.setTextMatrix(row, 5, song.artist + song.title);
        QApplication::processEvents();
    }
    const double appendMs = timer.nsecsElapsed() / 1e6;
    const double bytesPerRow = double(heapInUse() - heapBefore) / kRows;

    timer.restart();
    grid.setRedraw(false);
    grid.setRow(1);
    grid.setRowSel(grid.Rows() - 1);
    grid.setCol(5);
    grid.setColSel(5);
    QElapsedTimer sortTimer;
    sortTimer.start();
    grid.Sort();
    const double sortMs = sortTimer.nsecsElapsed() / 1e6;
    grid.setRedraw(true);
    grid.selectRow(1);
    grid.setTopRow(1);
    QApplication::processEvents();
    const double sortWithRedrawMs = timer.nsecsElapsed() / 1e6;

    // Paging: moving the top row and the selection, without the repaint
    // that follows (painting costs the same for any row count) ...
    timer.restart();
    int visible = 0;
    const int kScrolls = Kurzlauf::waehle(20000, 500);
    for (int i = 0; i < kScrolls; ++i) {
        const int top = 1 + int(random() % unsigned(kRows));
        grid.setTopRow(top);
        grid.selectRow(grid.TopRow());
        visible += grid.RowIsVisible(top) ? 1 : 0;
    }
    const double topRowUs = timer.nsecsElapsed() / 1e3 / kScrolls;
    QApplication::processEvents();
    // ... and the repaint of one page on its own.
    timer.restart();
    const int kPaints = Kurzlauf::waehle(50, 3);
    for (int i = 0; i < kPaints; ++i) {
        grid.setTopRow(1 + int(random() % unsigned(kRows)));
        view.repaint();
    }
    const double paintMs = timer.nsecsElapsed() / 1e6 / kPaints;

    timer.restart();
    grid.Clear();
    grid.setRows(2);
    QApplication::processEvents();
    const double clearMs = timer.nsecsElapsed() / 1e6;

    std::printf("append %d rows one at a time, events after each: %.0f ms (%.1f us/row)\n", kRows, appendMs,
        appendMs * 1000 / kRows);
    std::printf("heap per six-column row: %.0f bytes\n", bytesPerRow);
    std::printf("sort %d rows by column 5: %.1f ms (with redraw off/on and repaint: %.1f ms)\n", kRows, sortMs,
        sortWithRedrawMs);
    std::printf("setTopRow + selectRow + RowIsVisible: %.2f us each (%d of %d tops fully visible)\n", topRowUs, visible,
        kScrolls);
    std::printf("repaint of one page (%d rows visible): %.1f ms\n", grid.visibleRowCount(), paintMs);
    std::printf("Clear and Rows = 2: %.1f ms\n", clearMs);

    const double rowsPerSecond = kRows / (appendMs / 1000);
    summary("grid-append", rowsPerSecond, "rows/s", kAppendTargetRowsPerSecond / rowsPerSecond, "target 20000 rows/s");
    summary("grid-sort", sortMs, "ms", sortMs / kSortTargetMs, "target 200 ms");
    summary("grid-memory", bytesPerRow, "bytes/row", bytesPerRow / kBytesPerRowTarget, "target 1024 bytes/row");
    summary("grid-toprow", topRowUs, "us", topRowUs / kTopRowTargetUs, "target 100 us");
    return 0;
}

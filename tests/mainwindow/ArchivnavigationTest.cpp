#include "mainwindow/Archivnavigation.h"
#include "common/FlexGrid.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace Archivnavigation;

// A grid of n data rows, showing 6 at once, with row and top row set.
void vorbereiten(FlexGrid& grid, int n, int row, int top)
{
    grid.setRows(n + 1);
    grid.setVisibleRowCount(6);
    grid.selectRow(row);
    grid.setTopRow(top);
}

TEST(ArchivnavigationTest, ArrowsPageWithTheKeepDistanceAndStopAtTheEnds)
{
    // Arrow, Scrollabstand, data rows, row and top row before and after, whether it moved.
    using Fall = std::tuple<const char*, int, int, int, std::pair<int, int>, std::pair<int, int>, bool>;
    const Fall faelle[] = {
        { "archive down below K: selection moves alone", ArchivRunter, 3, 50, { 1, 1 }, { 2, 1 }, true },
        { "archive down keeps the K-th row", ArchivRunter, 3, 50, { 20, 18 }, { 21, 19 }, true },
        { "archive down at the last row", ArchivRunter, 3, 50, { 50, 45 }, { 50, 45 }, false },
        { "archive down near the end: the list stops", ArchivRunter, 3, 50, { 48, 45 }, { 49, 45 }, true },
        { "archive up at row 1", ArchivHoch, 3, 50, { 1, 1 }, { 1, 1 }, false },
        { "archive up within K scrolls back", ArchivHoch, 3, 50, { 30, 28 }, { 29, 27 }, true },
        { "archive up near row 1 steps the top back", ArchivHoch, 3, 50, { 2, 2 }, { 1, 1 }, true },
        { "playlist K is one less", PlaylistRunter, 4, 50, { 3, 1 }, { 4, 2 }, true },
        { "playlist up within K", PlaylistHoch, 4, 50, { 10, 9 }, { 9, 7 }, true },
        // Scrollabstand 1 would make the playlist's distance 0 and page the selection out of view.
        { "playlist with Scrollabstand 1 keeps the selection on top", PlaylistRunter, 1, 50, { 5, 5 }, { 6, 6 }, true },
    };
    for (const auto& [name, index, abstand, rows, vorher, nachher, bewegt] : faelle) {
        FlexGrid grid;
        vorbereiten(grid, rows, vorher.first, vorher.second);
        const bool hatBewegt = schritt(grid, index, abstand);
        EXPECT_EQ(std::tuple(hatBewegt, grid.Row(), grid.TopRow()), std::tuple(bewegt, nachher.first, nachher.second))
            << name;
    }
}

TEST(ArchivnavigationTest, ArchiveKeysActOnlyWhenTakeOverIsPossibleAndSpaceNeverOnAFullPlaylistOrNoSong)
{
    using A = Tastenaktion;
    // Key, take-over enabled, a song selected, playlist full; the action.
    const std::tuple<int, bool, bool, bool, A> faelle[]
        = { { 13, false, false, true, A::TagEditor }, { 32, true, true, false, A::SofortSpielen },
              { 32, false, true, false, A::Keine }, { 32, true, true, true, A::Keine },
              { 32, true, false, false, A::Keine }, { 39, true, true, true, A::Uebernehmen },
              { 39, false, true, false, A::Keine }, { 40, true, true, false, A::Keine } };
    for (const auto& [taste, aktiv, lied, voll, erwartet] : faelle)
        EXPECT_EQ(archivTaste(taste, aktiv, lied, voll), erwartet) << taste << aktiv << lied << voll;
}

TEST(ArchivnavigationTest, KeysScrollTheNextRowIntoViewBeforeTheGridMoves)
{
    // Of 20 rows: row and top row, the key (40 down, 38 up); the top row after.
    const std::tuple<int, int, int, int> faelle[]
        = { { 6, 1, 40, 2 }, { 6, 2, 40, 2 }, { 20, 2, 40, 15 }, { 1, 4, 38, 1 } };
    for (const auto& [row, top, taste, danach] : faelle) {
        FlexGrid grid;
        vorbereiten(grid, 20, row, top);
        sichtKorrektur(grid, taste);
        EXPECT_EQ(grid.TopRow(), danach) << row << " " << top << " " << taste;
    }
}

TEST(ArchivnavigationTest, MousePressesSortOnHeadersOpenTheMenuAndKeepTheSelection)
{
    // Button, mouse row and column, "RechteMaus"; menu, sort column, keyboard, selection restored.
    const std::tuple<int, int, int, bool, std::tuple<bool, int, bool, bool>> faelle[] = {
        { 1, 0, 2, false, { false, 2, true, false } },
        { 1, 0, 3, false, { false, 3, false, true } }, // "Dauer": sort without keyboard
        { 1, 0, 4, false, { false, -1, false, true } }, // the hidden file column never sorts
        { 2, 0, 1, false, { true, -1, false, false } }, // the right button never sorts
        { 2, 5, 1, true, { false, -1, false, false } }, // "RechteMaus" ticked: no menu
        { 1, 5, 3, false, { false, -1, false, true } },
    };
    for (const auto& [button, row, col, rechteMaus, erwartet] : faelle) {
        const Mausaktion a = mausDown(button, row, col, rechteMaus);
        EXPECT_EQ(std::tuple(a.kontextmenue, a.sortierspalte, a.tastatur, a.auswahlZurueck), erwartet)
            << button << row << col;
    }

    FlexGrid archiv;
    vorbereiten(archiv, 5, 2, 1);
    archiv.setTextMatrix(4, 4, QStringLiteral("/m/4.mp3"));
    auswahlZurueck(archiv, 4);
    auswahlZurueck(archiv, 9); // stale: past the last row
    auswahlZurueck(archiv, 3); // a row without a file
    EXPECT_EQ(archiv.Row(), 4);
}

} // namespace

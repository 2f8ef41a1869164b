#include "WiedergabeFakes.h"

#include "playback/Sequenzer.h"
#include "playback/Ueberblendung.h"

#include <tuple>

namespace {

using Sequenzertest = WiedergabeTest;

TEST(Ueberblendung, EndTestAndStartDistanceAreOneRule)
{
    // Position, rounded length, crossfading, player status; whether the song counts as ended.
    const std::tuple<double, qint64, int, int, bool> faelle[] = {
        { 0.25, 5, 10, PlayerControl::Playing, true }, // shorter than the crossfading
        { 0.0, 0, 10, PlayerControl::Other, true }, // idle player
        { 200.6, 201, 0, PlayerControl::Other, true }, // ran out before its rounded-up length
        { 200.6, 201, 0, PlayerControl::Playing, false },
        { 195.0, 200, 10, PlayerControl::Paused, true },
        { 100.0, 200, 10, PlayerControl::Paused, false },
    };
    for (const auto& [position, laenge, fading, status, ende] : faelle)
        EXPECT_EQ(Ueberblendung::Liedende(position, laenge, fading, status), ende)
            << position << " of " << laenge << " fading " << fading;
    EXPECT_EQ(std::tuple(Ueberblendung::Startabstand(200, 10), Ueberblendung::Startabstand(5, 10),
                  Ueberblendung::Startabstand(200, 0)),
        std::tuple(190, 0, 200));
}

TEST(Zufallszeile, EndRowsHalfAsLikelyAndNothingOutside)
{
    // 11 rows: songs 1..10, round-half-even(r * 9 + 1), so 1.5 goes to 2; then one song, then an empty archive.
    const auto z = &Sequenzer::Zufallszeile;
    EXPECT_EQ(std::tuple(z(0.0, 11), z(0.5 / 9, 11), z(0.9999, 11), z(0.3, 2), z(0.3, 1)), std::tuple(1, 2, 10, 1, 0));
}

TEST_F(Sequenzertest, WholePlaylistPlaysInOrderWithCrossfadeOnAlternatingPlayersThenLeavesThemAlone)
{
    for (const char* name : { "a", "b", "c" })
        uebernehmen(archivLied(name, 180));
    spielen(0.25);
    // The idle player counts as ended, so the first song starts on the other one.
    EXPECT_EQ(std::tuple(player.spielende(), player.GetFileName(1)), std::tuple(QList<int> { 1 }, pfad("a")));
    spielen(170);
    EXPECT_EQ(titel(), QStringList({ "a", "b", "c" })) << "170 s is not past 180 - 10";
    spielen(0.25);
    EXPECT_EQ(std::tuple(titel(), player.spielende()), std::tuple(QStringList { "b", "c" }, QList<int> { 0, 1 }))
        << "both sound during the crossfade";

    spielen(400);
    EXPECT_TRUE(titel().isEmpty() && player.spielende().isEmpty() && player.GetFileName(0).isEmpty());
    EXPECT_EQ(player.starts, 3) << "each song started once";
    const int befehle = player.befehle;
    spielen(5);
    EXPECT_EQ(player.befehle, befehle) << "an idle, closed player is left alone";
}

TEST_F(Sequenzertest, RandomFillTakesTheDrawnSongAndRespectsTheLock)
{
    for (const char* name : { "a", "b", "c", "d", "e" })
        archivLied(name);
    archiv.selectRow(2);
    fenster.werte.Zufall = true;
    zufall = 0.75; // 0.75 * 4 + 1 = 4
    fenster.schloss = false;
    spielen(0.25);
    EXPECT_TRUE(titel().isEmpty()) << "locked: nothing is queued";

    fenster.schloss = true;
    spielen(0.25);
    EXPECT_EQ(std::tuple(titel(), player.GetFileName(0), archiv.Row()), std::tuple(QStringList { "d" }, pfad("d"), 2))
        << "the guest's selection stays";
}

} // namespace

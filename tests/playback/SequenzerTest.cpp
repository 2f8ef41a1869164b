#include "WiedergabeFakes.h"

#include "playback/Sequenzer.h"
#include "playback/Ueberblendung.h"

namespace {

using Sequenzertest = WiedergabeTest;

TEST(Ueberblendung, EndTestAndStartDistanceAreOneRule)
{
    struct Fall {
        double position;
        qint64 laenge;
        int fading;
        int status;
        bool ende;
    };
    const Fall faelle[] = {
        { 190.0, 200, 10, PlayerControl::Playing, false },
        { 190.25, 200, 10, PlayerControl::Playing, true },
        { 0.25, 5, 10, PlayerControl::Playing, true }, // shorter than the crossfading
        { 0.0, 0, 10, PlayerControl::Other, true }, // idle player
        { 0.0, 0, 0, PlayerControl::Other, true }, // idle player, no crossfading
        { 200.6, 201, 0, PlayerControl::Other, true }, // ran out before its rounded-up length
        { 200.6, 201, 0, PlayerControl::Playing, false },
        { 195.0, 200, 10, PlayerControl::Paused, true },
        { 100.0, 200, 10, PlayerControl::Paused, false },
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.position << " of " << f.laenge << " fading " << f.fading);
        EXPECT_EQ(Ueberblendung::Liedende(f.position, f.laenge, f.fading, f.status), f.ende);
    }
    EXPECT_EQ(Ueberblendung::Startabstand(200, 10), 190);
    EXPECT_EQ(Ueberblendung::Startabstand(5, 10), 0);
    EXPECT_EQ(Ueberblendung::Startabstand(200, 0), 200);
}

TEST(Zufallszeile, EndRowsHalfAsLikelyAndNothingOutside)
{
    // 11 rows: songs 1..10, i = round-half-even(r * 9 + 1).
    EXPECT_EQ(Sequenzer::Zufallszeile(0.0, 11), 1);
    EXPECT_EQ(Sequenzer::Zufallszeile(0.5 / 9, 11), 2); // 1.5 goes to the even 2
    EXPECT_EQ(Sequenzer::Zufallszeile(0.9999, 11), 10);
    EXPECT_EQ(Sequenzer::Zufallszeile(0.3, 2), 1); // one song
    EXPECT_EQ(Sequenzer::Zufallszeile(0.3, 1), 0); // empty archive
}

TEST_F(Sequenzertest, WholePlaylistPlaysInOrderWithCrossfadeOnAlternatingPlayers)
{
    for (const char* name : { "a", "b", "c" })
        uebernehmen(archivLied(name, 180));
    spielen(0.25);
    // The idle player counts as ended, so the first song starts on the other one.
    EXPECT_EQ(player.spielende(), QList<int>({ 1 }));
    EXPECT_EQ(player.GetFileName(1), pfad("a"));
    EXPECT_EQ(wiedergabe->sequenzer().zustand().Liedlaenge, 180);

    spielen(170);
    EXPECT_EQ(titel(), QStringList({ "a", "b", "c" })) << "170 s is not past 180 - 10";
    spielen(0.25);
    EXPECT_EQ(titel(), QStringList({ "b", "c" }));
    EXPECT_EQ(player.spielende(), QList<int>({ 0, 1 })) << "both sound during the crossfade";
    EXPECT_EQ(player.GetFileName(0), pfad("b"));
    spielen(10);
    EXPECT_EQ(player.spielende(), QList<int>({ 0 }));

    spielen(400);
    EXPECT_TRUE(titel().isEmpty());
    EXPECT_TRUE(player.spielende().isEmpty());
    EXPECT_EQ(player.protokoll.count(QStringLiteral("Play(0)")) + player.protokoll.count(QStringLiteral("Play(1)")), 3)
        << "each song started exactly once";
}

TEST_F(Sequenzertest, WithoutCrossfadingSongsStillStartAndFollowEachOther)
{
    fenster.werte.Fadingzeit = 0;
    uebernehmen(archivLied("lang"));
    // 200.6 s rounds to 201 s, which the position never passes.
    player.lieder[pfad("lang")] = 200'600;
    uebernehmen(archivLied("zwei", 30));
    spielen(0.25);
    EXPECT_EQ(player.GetFileName(1), pfad("lang")) << "an idle player counts as ended";
    spielen(201);
    EXPECT_EQ(titel(), QStringList({ "zwei" }));
    EXPECT_EQ(player.spielende(), QList<int>({ 0 }));
}

TEST_F(Sequenzertest, UnplayableOrVanishedSongIsDroppedAndTheNextStarts)
{
    uebernehmen(archivLied("kaputt"));
    uebernehmen(archivLied("gut"));
    player.lieder.erase(pfad("kaputt"));
    spielen(0.5);
    EXPECT_EQ(titel(), QStringList({ "gut" }));
    EXPECT_EQ(player.spielende(), QList<int>({ 0 }));

    // The file goes away while it plays: the player stops by itself.
    uebernehmen(archivLied("danach"));
    player.geraete[0].status = PlayerControl::Other;
    spielen(0.25);
    EXPECT_EQ(titel(), QStringList({ "danach" }));
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
    EXPECT_EQ(titel(), QStringList({ "d" }));
    EXPECT_EQ(player.GetFileName(0), pfad("d")) << "started on the idle current player";
    EXPECT_EQ(archiv.Row(), 2) << "the guest's selection stays";
    EXPECT_EQ(archiv.ColSel(), archiv.Cols() - 1);
}

TEST_F(Sequenzertest, PauseTogglesAndTheNoteOnlyPausesWhenAllowed)
{
    uebernehmen(archivLied("a"));
    spielen(30);
    const qint64 position = player.GetPosition(1);
    wiedergabe->sequenzer().Pause();
    EXPECT_EQ(player.GetStatus(1), PlayerControl::Paused);
    spielen(5);
    EXPECT_EQ(player.GetPosition(1), position) << "paused time does not count";
    wiedergabe->sequenzer().Pause();
    EXPECT_EQ(player.GetStatus(1), PlayerControl::Playing);

    fenster.werte.Pause = false;
    wiedergabe->sequenzer().Positionsgrafik_Click();
    EXPECT_EQ(player.GetStatus(1), PlayerControl::Playing);
    fenster.werte.Pause = true;
    wiedergabe->sequenzer().Positionsgrafik_Click();
    EXPECT_EQ(player.GetStatus(1), PlayerControl::Paused);
}

TEST_F(Sequenzertest, EmptyPlaylistClosesTheIdlePlayerOnce)
{
    uebernehmen(archivLied("a", 20));
    spielen(30);
    EXPECT_TRUE(titel().isEmpty());
    EXPECT_EQ(player.GetFileName(0), QString());
    const qsizetype aufrufe = player.protokoll.size();
    spielen(5);
    EXPECT_EQ(player.protokoll.size(), aufrufe) << "an idle, closed player is left alone";
}

} // namespace

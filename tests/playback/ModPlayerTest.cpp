#include "ToneFiles.h"

#include "platform/SdlAudioOutput.h"
#include "playback/ModPlayer.h"
#include "support/Mp3Frames.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Players on SDL's dummy driver, which consumes audio at about real-time pace.
class ModPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files = new ToneFiles;
        // 20 s of silent frames: long enough for any wait here, quick to build.
        files->write("long.mp3", Mp3Frames::silentFrames(20 * 44100 / 1152 + 1));
        files->encode("tone.mp3", { 440, 1.0, 44100, 2 });
        files->encode("other.mp3", { 1000, 2.5, 22050, 1 }, { "-b", "64" });
        files->write("broken.mp3", QByteArray("keine Musik ").repeated(1000));
    }
    static void TearDownTestSuite()
    {
        delete files;
        files = nullptr;
    }

    void SetUp() override
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        player = std::make_unique<ModPlayer>(std::make_unique<SdlAudioOutput>());
        noticeSpy = std::make_unique<QSignalSpy>(player.get(), &ModPlayer::notice);
    }

    void expectIdle(int index)
    {
        EXPECT_EQ(player->GetStatus(index), 0) << index;
        EXPECT_EQ(player->GetPosition(index), 0) << index;
        EXPECT_EQ(player->GetLength(index), 0) << index;
    }

    // Plays `index` until its position reaches `ms`.
    bool playTo(int index, qint64 ms)
    {
        return QTest::qWaitFor([&] { return player->GetPosition(index) >= ms; }, int(ms) + 3000);
    }

    static inline ToneFiles* files = nullptr;
    std::unique_ptr<ModPlayer> player;
    std::unique_ptr<QSignalSpy> noticeSpy;
};

TEST_F(ModPlayerTest, PlayersWithoutPlayableFileReportZero)
{
    for (int index = 0; index < 3; ++index)
        expectIdle(index);

    // An undecodable file leaves the player without a file, silently; the
    // name is still recorded, as callers check it before playing.
    player->OpenMP3(0, files->path("broken.mp3"));
    player->PlayMP3(0);
    QTest::qWait(100);
    expectIdle(0);
    EXPECT_EQ(player->GetFileName(0), files->path("broken.mp3"));
    player->OpenMP3(1, files->path("missing.mp3"));
    expectIdle(1);

    // An empty name closes a player that was playing.
    player->OpenMP3(0, files->path("long.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(playTo(0, 100));
    player->OpenMP3(0, QString());
    expectIdle(0);
    EXPECT_EQ(player->GetFileName(0), QString());
    EXPECT_EQ(noticeSpy->count(), 0);
}

TEST_F(ModPlayerTest, FileTableHasFourSlotsAndPlayersThree)
{
    EXPECT_THROW(player->GetFileName(-1), std::out_of_range);
    EXPECT_THROW(player->GetFileName(4), std::out_of_range);
    // There is no fourth player: opening on it ends silently, keeping the slot.
    player->OpenMP3(3, files->path("tone.mp3"));
    EXPECT_EQ(player->GetFileName(3), QString());
    EXPECT_THROW(player->PlayMP3(3), std::out_of_range);
    EXPECT_THROW(player->GetStatus(-1), std::out_of_range);
}

TEST_F(ModPlayerTest, PositionFollowsRealTimeAndLengthIsKnownAtOnce)
{
    player->OpenMP3(0, files->path("long.mp3"));
    EXPECT_EQ(player->GetLength(0), 20);
    EXPECT_EQ(player->GetStatus(0), 0);
    QElapsedTimer clock;
    player->PlayMP3(0);
    clock.start();
    EXPECT_EQ(player->GetStatus(0), 2);
    QTest::qWait(1500);
    const qint64 position = player->GetPosition(0);
    const qint64 elapsed = clock.elapsed();
    // The dummy driver sleeps whole milliseconds per buffer, and the first
    // buffer starts up to one buffer late.
    EXPECT_GT(position, elapsed * 0.93 - 120) << elapsed;
    EXPECT_LT(position, elapsed * 1.03 + 60) << elapsed;
}

TEST_F(ModPlayerTest, PauseTwiceGoesOnAtTheSamePlace)
{
    player->OpenMP3(1, files->path("long.mp3"));
    player->PlayMP3(1);
    ASSERT_TRUE(playTo(1, 500));
    player->PauseMP3(1);
    EXPECT_EQ(player->GetStatus(1), 1);
    QTest::qWait(50); // the fade-out
    const qint64 paused = player->GetPosition(1);
    QTest::qWait(400);
    EXPECT_EQ(player->GetPosition(1), paused);

    player->PlayMP3(1);
    EXPECT_EQ(player->GetStatus(1), 2);
    QTest::qWait(300);
    EXPECT_NEAR(double(player->GetPosition(1)), double(paused + 300), 120.0);

    // Stop keeps the place too; play goes on from there.
    player->StopMP3(1);
    EXPECT_EQ(player->GetStatus(1), 0);
    QTest::qWait(50);
    const qint64 stopped = player->GetPosition(1);
    player->PlayMP3(1);
    QTest::qWait(200);
    EXPECT_NEAR(double(player->GetPosition(1)), double(stopped + 200), 120.0);
}

TEST_F(ModPlayerTest, SetPositionMovesTheNextPlay)
{
    player->OpenMP3(0, files->path("long.mp3"));
    player->SetPosition(0, 12000);
    player->PlayMP3(0);
    EXPECT_GE(player->GetPosition(0), 12000);
    QTest::qWait(300);
    EXPECT_NEAR(double(player->GetPosition(0)), 12300.0, 150.0);

    // Back again while playing.
    player->SetPosition(0, 2000);
    player->PlayMP3(0);
    QTest::qWait(200);
    EXPECT_NEAR(double(player->GetPosition(0)), 2200.0, 150.0);
}

TEST_F(ModPlayerTest, OpeningOnAPlayingPlayerStopsTheOldSong)
{
    player->OpenMP3(0, files->path("long.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(playTo(0, 300));
    player->OpenMP3(0, files->path("other.mp3"));
    EXPECT_EQ(player->GetStatus(0), 0);
    EXPECT_EQ(player->GetFileName(0), files->path("other.mp3"));
    EXPECT_EQ(player->GetLength(0), 2); // 2.5 s, half to even
    QTest::qWait(200);
    EXPECT_EQ(player->GetPosition(0), 0);
}

TEST_F(ModPlayerTest, SongPlayedToItsEndCountsAsStopped)
{
    player->OpenMP3(1, files->path("tone.mp3"));
    EXPECT_EQ(player->GetLength(1), 1);
    player->PlayMP3(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->GetStatus(1) == 0; }, 4000));
    EXPECT_NEAR(double(player->GetPosition(1)), 1000.0, 30.0);
    EXPECT_EQ(player->GetLength(1), 1);
}

} // namespace

#include "ToneFiles.h"

#include "platform/SdlAudioOutput.h"
#include "playback/ModPlayer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Players on SDL's dummy driver, which consumes audio at about real-time pace.
class ModPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files = new ToneFiles;
        // 20 s of silent frames: long enough for any wait here, quick to build.
        files->write("long.mp3", Mp3Frames::silentFrames(20 * 44100 / 1152 + 1));
    }
    static void TearDownTestSuite() { delete files; }

    void SetUp() override
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        player = std::make_unique<ModPlayer>(std::make_unique<SdlAudioOutput>());
    }

    void expectIdle(int index)
    {
        SCOPED_TRACE(index);
        EXPECT_EQ(player->GetStatus(index), 0);
        EXPECT_EQ(player->GetPosition(index), 0);
        EXPECT_EQ(player->GetLength(index), 0);
    }

    static inline ToneFiles* files = nullptr;
    std::unique_ptr<ModPlayer> player;
};

TEST_F(ModPlayerTest, PlayersWithoutPlayableFileReportZero)
{
    QSignalSpy notices(player.get(), &ModPlayer::notice);
    for (int index = 0; index < 3; ++index)
        expectIdle(index);

    // An undecodable file leaves the player without a file, silently; the
    // name is still recorded, as callers check it before playing.
    const QString broken = files->write("broken.mp3", QByteArray("keine Musik ").repeated(1000));
    player->OpenMP3(0, broken);
    player->PlayMP3(0);
    QTest::qWait(100);
    expectIdle(0);
    EXPECT_EQ(player->GetFileName(0), broken);
    player->OpenMP3(1, files->path("missing.mp3"));
    expectIdle(1);

    // An empty name closes a player that was playing.
    player->OpenMP3(0, files->path("long.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->GetPosition(0) >= 100; }, 3000));
    player->OpenMP3(0, QString());
    expectIdle(0);
    EXPECT_EQ(player->GetFileName(0), QString());
    EXPECT_EQ(notices.count(), 0);

    // The file table has a fourth slot but there is no fourth player:
    // opening on it ends silently and keeps the slot empty.
    player->OpenMP3(3, files->path("long.mp3"));
    EXPECT_EQ(player->GetFileName(3), QString());
    EXPECT_THROW(player->PlayMP3(3), std::out_of_range);
    EXPECT_THROW(player->GetFileName(4), std::out_of_range);
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

TEST_F(ModPlayerTest, PauseTwiceStopAndSetPositionKeepThePlace)
{
    auto expectNear = [&](qint64 expected) { EXPECT_NEAR(double(player->GetPosition(1)), double(expected), 150.0); };
    player->OpenMP3(1, files->path("long.mp3"));
    player->SetPosition(1, 12000);
    player->PlayMP3(1);
    EXPECT_GE(player->GetPosition(1), 12000);
    QTest::qWait(300);
    expectNear(12300);

    for (int i = 0; i < 2; ++i) {
        player->PauseMP3(1);
        EXPECT_EQ(player->GetStatus(1), 1);
        QTest::qWait(50); // the fade-out
        const qint64 paused = player->GetPosition(1);
        QTest::qWait(300);
        EXPECT_EQ(player->GetPosition(1), paused);
        player->PlayMP3(1);
        EXPECT_EQ(player->GetStatus(1), 2);
        QTest::qWait(300);
        expectNear(paused + 300);
    }

    player->StopMP3(1);
    EXPECT_EQ(player->GetStatus(1), 0);
    QTest::qWait(50);
    const qint64 stopped = player->GetPosition(1);
    player->PlayMP3(1);
    QTest::qWait(200);
    expectNear(stopped + 200);

    // Back again while playing.
    player->SetPosition(1, 2000);
    player->PlayMP3(1);
    QTest::qWait(200);
    expectNear(2200);
}

} // namespace

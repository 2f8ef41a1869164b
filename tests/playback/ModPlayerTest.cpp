#include "ToneFiles.h"

#include "platform/SdlAudioOutput.h"
#include "playback/ModPlayer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kRate = 44100;
constexpr int kWindow = kRate / 20; // 50 ms

// Players on SDL's disk driver, which takes audio at real-time pace and
// writes the mixed output as the sound card would get it.
class ModPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files = new ToneFiles;
        files->encode("low.mp3", { 440, 3.0, 44100, 2, 0.8 });
        files->encode("high.mp3", { 1000, 2.0, 44100, 2, 0.8 });
        files->encode("mono22k.mp3", { 1000, 1.5, 22050, 1, 0.5 }, { "-b", "64" });
        // 20 s of silent frames: long enough for any wait here, quick to build.
        files->write("long.mp3", Mp3Frames::silentFrames(20 * 44100 / 1152 + 1));
    }
    static void TearDownTestSuite() { delete files; }

    void SetUp() override
    {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", files->path("output.raw").toLocal8Bit());
        player = std::make_unique<ModPlayer>(std::make_unique<SdlAudioOutput>());
    }
    void TearDown() override { qputenv("SDL_AUDIODRIVER", "dummy"); }

    // Closes the device (flushing the file) and returns what it played.
    std::vector<qint16> recorded()
    {
        player.reset();
        return readRawStereo(files->path("output.raw"));
    }
    bool waitFor(int index, qint64 position)
    {
        return QTest::qWaitFor([&] { return player->GetPosition(index) >= position; }, 5000);
    }
    bool waitForEnd(int index)
    {
        return QTest::qWaitFor([&] { return player->GetStatus(index) == 0; }, 6000);
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

// For each 50 ms window, whether the tone sounds in it.
std::vector<bool> sounds(const std::vector<qint16>& samples, double hz)
{
    std::vector<bool> result;
    for (std::size_t at = 0; at + kWindow * 2 <= samples.size(); at += kWindow * 2)
        result.push_back(toneLevel(samples.data() + at, kWindow, hz, kRate) > 0.3);
    return result;
}

// The first and last window where the tone sounds; -1, -1 where it never does.
std::pair<int, int> span(const std::vector<bool>& windows)
{
    const auto first = std::find(windows.begin(), windows.end(), true);
    if (first == windows.end())
        return { -1, -1 };
    const auto last = std::find(windows.rbegin(), windows.rend(), true);
    return { int(first - windows.begin()), int(windows.rend() - last) - 1 };
}

TEST_F(ModPlayerTest, OverlappingSongsSoundTogetherOnlyWhileBothPlay)
{
    player->OpenMP3(0, files->path("low.mp3"));
    player->OpenMP3(1, files->path("high.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(waitFor(0, 1500));
    player->PlayMP3(1); // the crossfade: 1.5 s together, then 0.5 s alone
    ASSERT_TRUE(waitForEnd(1));
    const std::vector<qint16> out = recorded();
    const auto low = sounds(out, 440);
    const auto high = sounds(out, 1000);
    const auto [lowFrom, lowTo] = span(low);
    const auto [highFrom, highTo] = span(high);
    ASSERT_GE(lowFrom, 0);
    ASSERT_GE(highFrom, 0);
    // Alone, together, alone, in windows of 50 ms (edges may fall mid-window).
    EXPECT_NEAR(highFrom - lowFrom, 30, 2);
    EXPECT_NEAR(lowTo - highFrom + 1, 30, 2);
    EXPECT_NEAR(highTo - lowTo, 10, 2);
    for (int i = lowFrom + 1; i < highTo; ++i) {
        EXPECT_EQ(high[i], i >= highFrom) << i;
        EXPECT_EQ(low[i], i <= lowTo) << i;
    }
    // Two loud tones add up beyond full scale: the sum clips instead of
    // wrapping around (which would jump by nearly 65536 between samples).
    EXPECT_LT(largestStep(out), 12000);
}

TEST_F(ModPlayerTest, LowRateMonoSongPlaysAtItsPitchAndSpeedToItsEnd)
{
    player->OpenMP3(0, files->path("mono22k.mp3"));
    EXPECT_EQ(player->GetLength(0), 2); // 1.5 s, half to even
    player->PlayMP3(0);
    ASSERT_TRUE(waitForEnd(0));
    EXPECT_NEAR(double(player->GetPosition(0)), 1500.0, 30.0);
    const std::vector<qint16> out = recorded();
    const auto [from, to] = span(sounds(out, 1000));
    ASSERT_GE(from, 0);
    EXPECT_NEAR(to - from + 1, 30, 2);
    const qint16* middle = out.data() + std::size_t(from + 10) * kWindow * 2;
    EXPECT_NEAR(toneLevel(middle, kWindow, 1000, kRate), 0.5, 0.05);
    EXPECT_LT(toneLevel(middle, kWindow, 500, kRate), 0.02);
    EXPECT_LT(toneLevel(middle, kWindow, 2000, kRate), 0.02);
    // Both channels carry the mono signal.
    EXPECT_EQ(middle[100], middle[101]);
}

TEST_F(ModPlayerTest, SetPositionThenPlayIsHeardFromThere)
{
    player->OpenMP3(0, files->path("low.mp3"));
    player->SetPosition(0, 2000);
    player->PlayMP3(0);
    ASSERT_TRUE(waitForEnd(0));
    const auto [from, to] = span(sounds(recorded(), 440));
    ASSERT_GE(from, 0);
    EXPECT_NEAR(to - from + 1, 20, 2);
}

TEST_F(ModPlayerTest, OpeningOnAPlayingPlayerSilencesTheOldSongAtOnce)
{
    player->OpenMP3(0, files->path("low.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(waitFor(0, 500));
    const qint64 openedAt = player->GetPosition(0);
    player->OpenMP3(0, files->path("high.mp3"));
    EXPECT_EQ(player->GetStatus(0), 0);
    EXPECT_EQ(player->GetLength(0), 2);
    QTest::qWait(400);
    EXPECT_EQ(player->GetPosition(0), 0);
    const std::vector<qint16> out = recorded();
    const auto [from, to] = span(sounds(out, 440));
    ASSERT_GE(from, 0);
    // Nothing of the old song after the open (the ring held another 1.5 s of
    // it), and nothing of the new one before it is played.
    EXPECT_NEAR(to - from + 1, openedAt / 50.0, 3);
    EXPECT_EQ(span(sounds(out, 1000)).first, -1);
}

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
    ASSERT_TRUE(waitFor(0, 100));
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
    // The driver sleeps whole milliseconds per buffer, and the first buffer
    // starts up to one buffer late.
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

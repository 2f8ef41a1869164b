#include "ToneFiles.h"

#include "platform/SdlAudioOutput.h"
#include "playback/ModPlayer.h"

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

    static inline ToneFiles* files = nullptr;
    std::unique_ptr<ModPlayer> player;
};

// For each 50 ms window of `samples`, whether the tone sounds in it.
std::vector<bool> sounds(const std::vector<qint16>& samples, double hz)
{
    std::vector<bool> windows;
    for (std::size_t at = 0; at + kWindow * 2 <= samples.size(); at += kWindow * 2)
        windows.push_back(toneLevel(samples.data() + at, kWindow, hz, kRate) > 0.3);
    return windows;
}

TEST_F(ModPlayerTest, OverlappingSongsSoundTogetherOnlyWhileBothPlay)
{
    player->OpenMP3(0, files->path("low.mp3"));
    player->OpenMP3(1, files->path("high.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->GetPosition(0) >= 1500; }, 5000));
    player->PlayMP3(1); // the crossfade: 1.5 s together, then 0.5 s alone
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->GetStatus(1) == 0; }, 6000));
    player.reset(); // closes the device, flushing the file
    const std::vector<qint16> out = readRawStereo(files->path("output.raw"));
    const std::vector<bool> low = sounds(out, 440);
    const std::vector<bool> high = sounds(out, 1000);
    const int start = int(std::ranges::find(low, true) - low.begin());
    // In windows of 50 ms from the start: alone, together, alone, silence, without
    // dropouts; edges may fall mid-window.
    for (int i = 0; i < int(low.size()); ++i) {
        const int t = i - start;
        if (std::abs(t - 30) > 2 && std::abs(t - 60) > 2 && std::abs(t - 70) > 2)
            EXPECT_EQ(std::pair(bool(low[i]), bool(high[i])), std::pair(t >= 0 && t < 60, t >= 30 && t < 70)) << t;
    }
    // Two loud tones add up beyond full scale: the sum clips instead of
    // wrapping around (which would jump by nearly 65536 between samples).
    EXPECT_LT(largestStep(out), 12000);
}

TEST_F(ModPlayerTest, PauseStopAndSetPositionKeepThePlaceAndAnEmptyNameCloses)
{
    auto expectNear = [&](qint64 expected) { EXPECT_NEAR(double(player->GetPosition(1)), double(expected), 150.0); };
    player->OpenMP3(1, files->path("long.mp3"));
    EXPECT_EQ(player->GetLength(1), 20) << "known at once";
    player->SetPosition(1, 12000);
    EXPECT_EQ(player->GetStatus(1), 0);
    player->PlayMP3(1);
    EXPECT_EQ(player->GetStatus(1), 2);
    QTest::qWait(300);
    expectNear(12300);

    player->PauseMP3(1);
    EXPECT_EQ(player->GetStatus(1), 1);
    QTest::qWait(50); // the fade-out
    const qint64 paused = player->GetPosition(1);
    QTest::qWait(300);
    EXPECT_EQ(player->GetPosition(1), paused);
    player->StopMP3(1);
    EXPECT_EQ(player->GetStatus(1), 0);
    player->PlayMP3(1);
    QTest::qWait(200);
    expectNear(paused + 200);
    player->SetPosition(1, 2000); // back again while playing
    player->PlayMP3(1);
    QTest::qWait(200);
    expectNear(2200);

    player->OpenMP3(1, QString());
    EXPECT_EQ(player->GetFileName(1), QString());
    EXPECT_TRUE(player->GetStatus(1) == 0 && player->GetPosition(1) == 0 && player->GetLength(1) == 0);
    // The file table has a fourth slot but there is no fourth player.
    player->OpenMP3(3, files->path("long.mp3"));
    EXPECT_EQ(player->GetFileName(3), QString());
    EXPECT_THROW(player->PlayMP3(3), std::out_of_range);
    EXPECT_THROW(player->GetFileName(4), std::out_of_range);
}

} // namespace

#include "ToneFiles.h"

#include "platform/SdlAudioOutput.h"
#include "playback/ModPlayer.h"
#include "playback/PlayerMixer.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kRate = 44100;
constexpr int kWindow = kRate / 20; // 50 ms

// What SDL's disk driver writes: the mixed output as the sound card would get it.
class MixedOutputTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files = new ToneFiles;
        files->encode("low.mp3", { 440, 3.0, 44100, 2, 0.8 });
        files->encode("high.mp3", { 1000, 2.0, 44100, 2, 0.8 });
        files->encode("mono22k.mp3", { 1000, 1.5, 22050, 1, 0.5 }, { "-b", "64" });
        files->encode("long-low.mp3", { 440, 5.0, 44100, 2, 0.8 });
        files->encode("low-then-high.mp3", { 440, 3.0, 44100, 2, 0.8, 1000 });
    }
    static void TearDownTestSuite()
    {
        delete files;
        files = nullptr;
    }

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

    bool waitForEnd(int index, int timeoutMs = 6000)
    {
        return QTest::qWaitFor([&] { return player->GetStatus(index) == 0; }, timeoutMs);
    }

    static inline ToneFiles* files = nullptr;
    std::unique_ptr<ModPlayer> player;
};

// Which tones sound in each 50 ms window.
struct Window {
    bool low = false;
    bool high = false;
};

std::vector<Window> windows(const std::vector<qint16>& samples, double lowHz, double highHz)
{
    std::vector<Window> result;
    for (std::size_t at = 0; at + kWindow * 2 <= samples.size(); at += kWindow * 2) {
        const double low = toneLevel(samples.data() + at, kWindow, lowHz, kRate);
        const double high = toneLevel(samples.data() + at, kWindow, highHz, kRate);
        result.push_back({ low > 0.3, high > 0.3 });
    }
    return result;
}

int firstWhere(const std::vector<Window>& ws, bool Window::*tone)
{
    for (std::size_t i = 0; i < ws.size(); ++i) {
        if (ws[i].*tone)
            return int(i);
    }
    return -1;
}

int lastWhere(const std::vector<Window>& ws, bool Window::*tone)
{
    for (std::size_t i = ws.size(); i-- > 0;) {
        if (ws[i].*tone)
            return int(i);
    }
    return -1;
}

TEST_F(MixedOutputTest, OverlappingSongsSoundTogetherOnlyWhileBothPlay)
{
    player->OpenMP3(0, files->path("low.mp3"));
    player->OpenMP3(1, files->path("high.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->GetPosition(0) >= 1500; }, 5000));
    player->PlayMP3(1); // the crossfade: 1.5 s together, then 0.5 s alone
    ASSERT_TRUE(waitForEnd(1));
    const std::vector<qint16> out = recorded();
    const auto ws = windows(out, 440, 1000);

    const int lowFrom = firstWhere(ws, &Window::low);
    const int lowTo = lastWhere(ws, &Window::low);
    const int highFrom = firstWhere(ws, &Window::high);
    const int highTo = lastWhere(ws, &Window::high);
    ASSERT_GE(lowFrom, 0);
    ASSERT_GE(highFrom, 0);
    // Alone, together, alone, in windows of 50 ms (edges may fall mid-window).
    EXPECT_NEAR(highFrom - lowFrom, 30, 2);
    EXPECT_NEAR(lowTo - highFrom + 1, 30, 2);
    EXPECT_NEAR(highTo - lowTo, 10, 2);
    for (int i = lowFrom + 1; i < highFrom; ++i)
        EXPECT_FALSE(ws[std::size_t(i)].high) << i;
    for (int i = highFrom + 1; i < lowTo; ++i)
        EXPECT_TRUE(ws[std::size_t(i)].low && ws[std::size_t(i)].high) << i;
    for (int i = lowTo + 1; i < highTo; ++i)
        EXPECT_FALSE(ws[std::size_t(i)].low) << i;

    // Two loud tones add up beyond full scale: the sum clips instead of
    // wrapping around (which would jump by nearly 65536 between samples).
    EXPECT_LT(largestStep(out), 12000);
}

TEST_F(MixedOutputTest, LowRateMonoSongPlaysAtItsPitchAndSpeed)
{
    player->OpenMP3(0, files->path("mono22k.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(waitForEnd(0));
    const std::vector<qint16> out = recorded();
    const auto ws = windows(out, 500, 1000);
    const int from = firstWhere(ws, &Window::high);
    const int to = lastWhere(ws, &Window::high);
    ASSERT_GE(from, 0);
    EXPECT_NEAR(to - from + 1, 30, 2); // 1.5 s
    const qint16* middle = out.data() + std::size_t(from + 10) * kWindow * 2;
    EXPECT_NEAR(toneLevel(middle, kWindow, 1000, kRate), 0.5, 0.05);
    EXPECT_LT(toneLevel(middle, kWindow, 500, kRate), 0.02);
    EXPECT_LT(toneLevel(middle, kWindow, 2000, kRate), 0.02);
    // Both channels carry the mono signal.
    EXPECT_EQ(middle[100], middle[101]);
}

TEST_F(MixedOutputTest, PauseAndStopFadeInsteadOfClicking)
{
    player->OpenMP3(0, files->path("long-low.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->GetPosition(0) >= 700; }, 5000));
    player->PauseMP3(0);
    QTest::qWait(200);
    player->PlayMP3(0);
    QTest::qWait(500);
    player->StopMP3(0);
    QTest::qWait(200);
    const std::vector<qint16> out = recorded();

    // Every edge between sound and silence is a ramp: the samples right at
    // the edge are far below the tone's amplitude.
    int edges = 0;
    constexpr int kSilent = 40;
    for (std::size_t i = kSilent * 2; i + kSilent * 2 < out.size(); i += 2) {
        auto quietAfter = [&] {
            for (int k = 1; k <= kSilent; ++k) {
                if (out[i + 2 * k] != 0)
                    return false;
            }
            return true;
        };
        if (out[i] != 0 && quietAfter()) {
            ++edges;
            int nearEdge = 0;
            for (int k = 0; k < 16; ++k)
                nearEdge = std::max(nearEdge, std::abs(int(out[i - 2 * k])));
            EXPECT_LT(nearEdge, 0.1 * 0.8 * 32767) << "fade-out ending at sample " << i / 2;
        }
    }
    EXPECT_EQ(edges, 2); // the pause and the stop
}

TEST_F(MixedOutputTest, SetPositionThenPlayIsHeardFromThere)
{
    player->OpenMP3(0, files->path("low-then-high.mp3"));
    player->SetPosition(0, 2000); // a second into the high half
    player->PlayMP3(0);
    ASSERT_TRUE(waitForEnd(0));
    const auto ws = windows(recorded(), 440, 1000);
    const int from = firstWhere(ws, &Window::high);
    ASSERT_GE(from, 0);
    EXPECT_NEAR(lastWhere(ws, &Window::high) - from + 1, 20, 2);
    EXPECT_EQ(firstWhere(ws, &Window::low), -1);
}

TEST_F(MixedOutputTest, OpeningOnAPlayingPlayerSilencesTheOldSongAtOnce)
{
    player->OpenMP3(0, files->path("long-low.mp3"));
    player->PlayMP3(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->GetPosition(0) >= 500; }, 5000));
    const qint64 openedAt = player->GetPosition(0);
    player->OpenMP3(0, files->path("high.mp3"));
    QTest::qWait(400);
    const auto ws = windows(recorded(), 440, 1000);
    const int from = firstWhere(ws, &Window::low);
    ASSERT_GE(from, 0);
    // Nothing of the old song after the open (the ring held another 1.5 s of
    // it), and nothing of the new one before it is played.
    EXPECT_NEAR(lastWhere(ws, &Window::low) - from + 1, openedAt / 50.0, 3);
    EXPECT_EQ(firstWhere(ws, &Window::high), -1);
}

TEST(PlayerMixer, SaturatesInsteadOfWrapping)
{
    EXPECT_EQ(PlayerMixer::saturate(40000), 32767);
    EXPECT_EQ(PlayerMixer::saturate(-40000), -32768);
    EXPECT_EQ(PlayerMixer::saturate(-1234), -1234);
}

} // namespace

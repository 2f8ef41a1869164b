#include "ToneFiles.h"

#include "platform/AudioOutput.h"
#include "playback/EnginePlayer.h"
#include "playback/PlayerMixer.h"

#include <gtest/gtest.h>

namespace {

constexpr int kRate = AudioOutput::kSampleRate;
constexpr int kChunk = 1024; // what the sound card asks for at a time
// A 440 Hz tone at 0.8 of full scale moves at most ~1650 per sample; an unramped start or stop up to 26000.
constexpr int kClick = 3000;

// One player driven by hand, without threads or a sound card: seconds of audio run in milliseconds and every
// sample is seen.
class EnginePlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files = new ToneFiles;
        files->encode("tone.mp3", { 440, 3.0, 44100, 2, 0.8 });
        files->encode("mono22k.mp3", { 1000, 1.5, 22050, 1, 0.5 }, { "-b", "64" });
        files->encode("high.mp3", { 1000, 2.0, 44100, 2, 0.8 });
    }
    static void TearDownTestSuite() { delete files; }

    // Plays `frames` frames onto the end of out; the decoder keeps up unless told otherwise.
    void run(int frames, bool decode = true)
    {
        const std::size_t at = out.size();
        out.resize(at + std::size_t(frames) * 2);
        for (int done = 0; done < frames; done += kChunk) {
            if (decode) {
                player.decodeAhead();
                other.decodeAhead();
            }
            mixer.render(out.data() + at + std::size_t(done) * 2, qMin(kChunk, frames - done));
        }
    }
    void runToTheEnd()
    {
        for (int i = 0; i < 10 * kRate / kChunk && player.status() != EnginePlayer::Other; ++i)
            run(kChunk);
        ASSERT_EQ(player.status(), EnginePlayer::Other);
    }
    double lastTenthLevel() const
    {
        return toneLevel(out.data() + out.size() - kRate / 10 * 2, kRate / 10, 440, kRate);
    }

    static inline ToneFiles* files = nullptr;
    EnginePlayer player;
    EnginePlayer other;
    PlayerMixer mixer { { &player, &other } };
    std::vector<qint16> out;
};

TEST_F(EnginePlayerTest, PauseAndStopKeepThePlaceAndAnUnderrunFadesInsteadOfClicking)
{
    ASSERT_TRUE(player.open(files->path("tone.mp3")));
    player.play();
    player.decodeAhead(); // fills the ring: about 1.5 s
    run(2 * kRate, false);
    EXPECT_NEAR(double(player.positionMs()), 1486, 30) << "all the ring held";
    run(kRate / 4);
    EXPECT_GT(lastTenthLevel(), 0.7) << "plays on once the decoder keeps up";
    const qint64 vorher = player.positionMs();
    player.pause();
    run(7000);
    player.play();
    run(kRate / 10);
    player.stop();
    run(kRate / 10);
    player.play();
    run(kRate / 10);
    EXPECT_NEAR(double(player.positionMs()), vorher + 200, 30);
    player.stop();
    run(kRate / 10);
    EXPECT_LT(largestStep(out), kClick);
}

TEST_F(EnginePlayerTest, OverlappingSongsAddUpAndClipInsteadOfWrappingAround)
{
    ASSERT_TRUE(player.open(files->path("tone.mp3")) && other.open(files->path("high.mp3")));
    player.play();
    other.play();
    run(kRate / 2);
    const qint16* together = out.data() + out.size() - kRate / 10 * 2;
    EXPECT_GT(toneLevel(together, kRate / 10, 440, kRate), 0.5);
    EXPECT_GT(toneLevel(together, kRate / 10, 1000, kRate), 0.5);
    // Two tones at 0.8 of full scale exceed it; wrapping would jump by nearly 65536.
    EXPECT_LT(largestStep(out), 12000);
}

TEST_F(EnginePlayerTest, OpeningSilencesTheOldSongAtOnceAndALowRateSongPlaysFromItsStartAtItsPitch)
{
    ASSERT_TRUE(player.open(files->path("tone.mp3")));
    player.play();
    run(kRate / 2);
    // The ring holds 1.5 s more of the old song: none of it sounds after the fade-out, nor the unplayed new one.
    ASSERT_TRUE(player.open(files->path("mono22k.mp3")));
    out.clear();
    run(kRate / 2);
    EXPECT_TRUE(std::all_of(out.begin() + 512 * 2, out.end(), [](qint16 s) { return s == 0; }));

    player.setStart(500);
    player.play();
    out.clear();
    runToTheEnd();
    EXPECT_NEAR(double(out.size() / 2), double(kRate), 2.0 * kChunk) << "one second heard from 0.5 s on";
    EXPECT_NEAR(double(player.positionMs()), 1500.0, 30.0);
    const qint16* middle = out.data() + out.size() / 2;
    EXPECT_NEAR(toneLevel(middle, kRate / 20, 1000, kRate), 0.5, 0.05) << "at its pitch";
    EXPECT_EQ(middle[100], middle[101]) << "both channels carry the mono signal";
}

// At a variable bitrate a count twice the frames still fits the file: only the decoder's end tells the length.
TEST_F(EnginePlayerTest, AtTheEndTheLengthIsWhatPlayedWhateverTheHeaderAnnounced)
{
    const Mp3Frames::Format cd { 44100, false };
    ASSERT_TRUE(player.open(
        files->write("song.mp3", Mp3Frames::xingFrame(cd, 128, false, 240, 0) + Mp3Frames::frames(cd, { 320 }, 120))));
    const qint64 announced = player.lengthMs();
    player.play();
    runToTheEnd();
    EXPECT_NEAR(double(player.positionMs()), 120 * 1152 * 1000.0 / kRate, 30);
    EXPECT_NEAR(double(player.lengthMs()), double(player.positionMs()), 30);
    EXPECT_GT(announced, player.lengthMs() + 2000);
}

} // namespace

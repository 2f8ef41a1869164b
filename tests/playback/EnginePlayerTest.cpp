#include "ToneFiles.h"

#include "platform/AudioOutput.h"
#include "playback/EnginePlayer.h"
#include "playback/PlayerMixer.h"
#include "support/Mp3Frames.h"

#include <gtest/gtest.h>

namespace {

constexpr int kRate = AudioOutput::kSampleRate;
constexpr int kChunk = 1024; // what the sound card asks for at a time
// A 440 Hz tone at 0.8 of full scale moves at most about 1650 per sample;
// sound that starts or stops without a ramp jumps by up to 26000.
constexpr int kClick = 3000;

// One player driven by hand, without threads or a sound card: the test
// decodes and takes the output itself, so seconds of audio run in
// milliseconds and every sample is seen.
class EnginePlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files = new ToneFiles;
        files->encode("tone.mp3", { 440, 3.0, 44100, 2, 0.8 });
        files->encode("cbr.mp3", { 440, 3.0, 44100, 2 }, { "-b", "128" });
        files->encode("vbr.mp3", { 440, 3.0, 44100, 2 }, { "-V", "5" });
        files->encode("cbr-bare.mp3", { 440, 3.0, 44100, 2 }, { "-b", "128", "-t" });
        files->encode("vbr-bare.mp3", { 440, 3.0, 44100, 2 }, { "-V", "5", "-t" });
    }
    static void TearDownTestSuite()
    {
        delete files;
        files = nullptr;
    }

    // Plays `frames` frames; the decoder keeps up unless told otherwise.
    std::vector<qint16> run(int frames, bool decode = true)
    {
        std::vector<qint16> out(std::size_t(frames) * 2);
        for (int done = 0; done < frames; done += kChunk) {
            if (decode)
                player.decodeAhead();
            mixer.render(out.data() + std::size_t(done) * 2, qMin(kChunk, frames - done));
        }
        return out;
    }

    static inline ToneFiles* files = nullptr;
    EnginePlayer player;
    PlayerMixer mixer { { &player } };
};

void append(std::vector<qint16>& to, const std::vector<qint16>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

TEST_F(EnginePlayerTest, StartAndResumeFadeIn)
{
    ASSERT_TRUE(player.open(files->path("tone.mp3")));
    player.play();
    std::vector<qint16> out = run(4 * kRate);
    ASSERT_EQ(player.status(), EnginePlayer::Other);
    // Again from mid-song, where the tone is at full swing.
    player.setStart(1234);
    player.play();
    append(out, run(kRate / 4));
    EXPECT_GT(toneLevel(out.data() + out.size() - kRate / 10 * 2, kRate / 10, 440, kRate), 0.7);
    for (int pause : { 3000, 7000, 11025 }) {
        player.pause();
        append(out, run(pause));
        player.play();
        append(out, run(kRate / 10));
    }
    EXPECT_LT(largestStep(out), kClick);
    EXPECT_NEAR(double(player.positionMs()), 1234 + 550, 30);
}

TEST_F(EnginePlayerTest, DecoderFallingBehindFadesOutAndBackIn)
{
    ASSERT_TRUE(player.open(files->path("tone.mp3")));
    player.play();
    player.decodeAhead(); // fills the ring: about 1.5 s
    std::vector<qint16> out = run(2 * kRate, false);
    const qint64 dry = player.positionMs();
    EXPECT_NEAR(double(dry), 1486, 30); // all the ring held
    EXPECT_EQ(player.status(), EnginePlayer::Playing);
    append(out, run(kRate / 4));
    EXPECT_GT(player.positionMs(), dry + 200);
    EXPECT_GT(toneLevel(out.data() + out.size() - kRate / 10 * 2, kRate / 10, 440, kRate), 0.7);
    EXPECT_LT(largestStep(out), kClick);
}

TEST_F(EnginePlayerTest, SongEndsWithPositionAndLengthAgreeingWhateverItsHeaderSays)
{
    const QByteArray cbr = files->bytes("cbr.mp3");
    const QByteArray vbr = files->bytes("vbr.mp3");
    auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
    struct Kind {
        const char* name;
        QByteArray bytes;
        bool announcesMore = false; // a length the file does not hold, told by the decoder's end only
    };
    const std::vector<Kind> kinds = {
        { "CBR with Info, cut in half", half(cbr) },
        { "VBR with Xing, cut in half", half(vbr) },
        { "CBR without header, cut in half", half(files->bytes("cbr-bare.mp3")) },
        { "VBR without header, cut in half", half(files->bytes("vbr-bare.mp3")) },
        { "Info counting no frames", Mp3Frames::withFrameCount(cbr, 0) },
        { "Xing counting 2^32 - 1 frames", Mp3Frames::withFrameCount(vbr, 0xFFFFFFFF) },
        // Twice its frames would still fit the file.
        { "Info counting twice its frames", Mp3Frames::withFrameCount(cbr, 2 * 116), true },
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        ASSERT_TRUE(player.open(files->write("song.mp3", kind.bytes)));
        const qint64 announced = player.lengthMs();
        player.play();
        for (int i = 0; i < 10 * kRate / kChunk && player.status() != EnginePlayer::Other; ++i)
            run(kChunk);
        ASSERT_EQ(player.status(), EnginePlayer::Other);
        EXPECT_GT(player.positionMs(), 1000);
        EXPECT_NEAR(double(player.lengthMs()), double(player.positionMs()), 30);
        if (kind.announcesMore)
            EXPECT_GT(announced, player.lengthMs() + 2000);
        else
            EXPECT_NEAR(double(announced), double(player.lengthMs()), 30);
    }
}

} // namespace

#include "ToneFiles.h"

#include "platform/SilentAudioOutput.h"
#include "playback/ModPlayer.h"
#include "playback/Mp3Decoder.h"
#include "playback/Mp3Length.h"
#include "support/Mp3Frames.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using Mp3Frames::Format;

// Milliseconds the decoder really puts out for a file.
qint64 decodedMilliseconds(const QString& path)
{
    auto decoder = Mp3Decoder::open(path);
    if (!decoder)
        return -1;
    std::array<qint16, 4096 * 2> buffer;
    qint64 frames = 0;
    for (int got = 4096; got == 4096;) {
        got = decoder->read(buffer.data(), 4096);
        frames += got;
    }
    return frames * 1000 / 44100;
}

struct Kind {
    const char* name;
    QString path;
    int sampleRate;
    int samplesPerFrame;
};

class Mp3LengthTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files = new ToneFiles;
        const ToneFiles::Tone stereo { 440, 3.0, 44100, 2 };
        const ToneFiles::Tone mono22 { 1000, 2.5, 22050, 1 };
        const ToneFiles::Tone mono8 { 300, 2.2, 8000, 1 };
        files->encode("cbr.mp3", stereo, { "-b", "128" });
        files->encode("vbr.mp3", stereo, { "-V", "5" });
        files->encode("cbr-bare.mp3", stereo, { "-b", "160", "-t" });
        files->encode("vbr-bare.mp3", stereo, { "-V", "2", "-t" });
        files->encode("mpeg2.mp3", mono22, { "-b", "64" });
        files->encode("mpeg25-bare.mp3", mono8, { "-b", "16", "-t" });
        files->encode("mpeg2-vbr-bare.mp3", mono22, { "-V", "6", "-t" });
    }
    static void TearDownTestSuite()
    {
        delete files;
        files = nullptr;
    }

    // Wraps an encoded file in tags at both ends.
    static QString tagged(const QString& name, const QString& source)
    {
        return files->write(name,
            Mp3Frames::id3v2Tag(1'000'000) + Mp3Frames::id3v2Tag(300, "Zweiter") + files->bytes(source)
                + Mp3Frames::apeTag("Artist", "Jemand") + Mp3Frames::lyrics3v2("La la la")
                + Mp3Frames::id3v1Tag("T", "A", 1));
    }

    static inline ToneFiles* files = nullptr;
};

TEST_F(Mp3LengthTest, LameInfoHeaderGivesTheExactSampleCount)
{
    // The encoder delay and padding of the LAME header are cut, so the length
    // is the one of the PCM that went in.
    const auto length = Mp3Length::of(files->path("cbr.mp3"));
    ASSERT_TRUE(length);
    EXPECT_EQ(length->samples, 3 * 44100);
    EXPECT_EQ(length->milliseconds(), 3000);

    const auto mono = Mp3Length::of(files->path("mpeg2.mp3"));
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->sampleRate, 22050);
    EXPECT_EQ(mono->samples, qint64(2.5 * 22050));
}

TEST_F(Mp3LengthTest, EveryKindAgreesWithAFullDecodeWithinOneFrame)
{
    const Format cd { 44100, false };
    const Format low { 11025, true };
    const std::vector<Kind> kinds = {
        { "CBR with Info", files->path("cbr.mp3"), 44100, 1152 },
        { "VBR with Xing", files->path("vbr.mp3"), 44100, 1152 },
        { "CBR without header", files->path("cbr-bare.mp3"), 44100, 1152 },
        { "VBR without header", files->path("vbr-bare.mp3"), 44100, 1152 },
        { "MPEG-2 mono with Info", files->path("mpeg2.mp3"), 22050, 576 },
        { "MPEG-2 VBR without header", files->path("mpeg2-vbr-bare.mp3"), 22050, 576 },
        { "MPEG-2.5 without header", files->path("mpeg25-bare.mp3"), 8000, 576 },
        { "tags at both ends, Xing", tagged("tagged-vbr.mp3", "vbr.mp3"), 44100, 1152 },
        { "tags at both ends, walked", tagged("tagged-bare.mp3", "vbr-bare.mp3"), 44100, 1152 },
        { "VBRI header",
            files->write(
                "vbri.mp3", Mp3Frames::vbriFrame(cd, 128, 200, 200 * 417) + Mp3Frames::frames(cd, { 128 }, 200)),
            44100, 1152 },
        { "Xing without LAME extension",
            files->write(
                "xing.mp3", Mp3Frames::xingFrame(low, 64, false, 300, 0) + Mp3Frames::frames(low, { 8, 32, 16 }, 300)),
            11025, 576 },
        { "LAME padding shorter than the decoder delay",
            files->write("short-pad.mp3",
                Mp3Frames::xingFrame(cd, 128, true, 120, 0, 576, 100) + Mp3Frames::frames(cd, { 128 }, 120)),
            44100, 1152 },
        { "junk before the first frame",
            files->write("junk.mp3",
                Mp3Frames::id3v2Tag(10) + QByteArray(3000, '\x11') + Mp3Frames::frames(cd, { 96, 320 }, 150)),
            44100, 1152 },
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const auto length = Mp3Length::of(kind.path);
        ASSERT_TRUE(length);
        EXPECT_EQ(length->sampleRate, kind.sampleRate);
        // Within a frame is the promise; in fact both count the same samples.
        const qint64 frameMs = kind.samplesPerFrame * 1000 / kind.sampleRate;
        const double error = std::abs(double(length->milliseconds() - decodedMilliseconds(kind.path)));
        EXPECT_LE(error, 2.0);
        EXPECT_LT(error, double(frameMs));
        EXPECT_GT(length->milliseconds(), 1000);
    }
}

TEST_F(Mp3LengthTest, HeaderCountsThatDoNotFitTheFileGiveWayToTheFrames)
{
    const Format cd { 44100, false };
    const QByteArray vbri = Mp3Frames::vbriFrame(cd, 128, 120, 121 * 417) + Mp3Frames::frames(cd, { 128 }, 120);
    auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
    const std::vector<std::pair<const char*, QByteArray>> kinds = {
        { "CBR with Info, cut in half", half(files->bytes("cbr.mp3")) },
        { "VBR with Xing, cut in half", half(files->bytes("vbr.mp3")) },
        { "CBR without header, cut in half", half(files->bytes("cbr-bare.mp3")) },
        { "VBR without header, cut in half", half(files->bytes("vbr-bare.mp3")) },
        { "VBRI, cut in half", half(vbri) },
        { "Info counting no frames", Mp3Frames::withFrameCount(files->bytes("cbr.mp3"), 0) },
        { "Xing counting 2^32 - 1 frames", Mp3Frames::withFrameCount(files->bytes("vbr.mp3"), 0xFFFFFFFF) },
        // The byte count is right, but that many frames would not fit even at 32 kbit/s.
        { "Info counting 1000 frames", Mp3Frames::withFrameCount(files->bytes("cbr.mp3"), 1000) },
        { "VBRI counting no frames", Mp3Frames::withFrameCount(vbri, 0) },
        { "VBRI counting 2^32 - 1 frames", Mp3Frames::withFrameCount(vbri, 0xFFFFFFFF) },
    };
    for (const auto& [name, bytes] : kinds) {
        SCOPED_TRACE(name);
        const QString path = files->write("broken.mp3", bytes);
        const auto length = Mp3Length::of(path);
        ASSERT_TRUE(length);
        const qint64 decoded = decodedMilliseconds(path);
        EXPECT_GT(decoded, 1000);
        EXPECT_LE(std::abs(double(length->milliseconds() - decoded)), 2.0) << decoded;
    }
}

TEST_F(Mp3LengthTest, WalkCountsEveryFrameOfAVariableStream)
{
    const Format format { 24000, false };
    const QString path = files->write("walk.mp3",
        Mp3Frames::id3v2Tag(5000) + Mp3Frames::frames(format, { 8, 160, 64, 144 }, 777)
            + Mp3Frames::id3v1Tag("x", "y", 2));
    const auto length = Mp3Length::of(path);
    ASSERT_TRUE(length);
    EXPECT_EQ(length->samples, 777 * 576);
}

TEST_F(Mp3LengthTest, FilesWithoutMpegAudioHaveNoLength)
{
    EXPECT_FALSE(Mp3Length::of(files->write("text.mp3", QByteArray("Dies ist kein Lied.\n").repeated(500))));
    EXPECT_FALSE(Mp3Length::of(files->write("empty.mp3", {})));
    EXPECT_FALSE(
        Mp3Length::of(files->write("tag-only.mp3", Mp3Frames::id3v2Tag(100) + Mp3Frames::id3v1Tag("a", "b", 0))));
    // A lone sync pattern in junk is not taken for a stream.
    EXPECT_FALSE(Mp3Length::of(files->write("one-sync.mp3",
        QByteArray(500, 'x') + Mp3Frames::silentFrame({ 44100, false }, 128).left(4) + QByteArray(5000, 'y'))));
    EXPECT_FALSE(Mp3Length::of(files->path("missing.mp3")));
}

TEST_F(Mp3LengthTest, SongLengthIsWholeSecondsAndThreeHundredAtOnceForNonMp3)
{
    ModPlayer player(std::make_unique<SilentAudioOutput>());
    EXPECT_EQ(player.GetSongLength(files->path("cbr.mp3")), 3);
    EXPECT_EQ(player.GetSongLength(files->path("mpeg2.mp3")), 2); // 2.5 s: half to even

    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(player.GetSongLength(files->write("not.mp3", QByteArray("kein MP3").repeated(100))), 300);
    EXPECT_EQ(player.GetSongLength(files->path("missing.mp3")), 300);
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_EQ(player.GetFileName(2), files->path("missing.mp3"));
}

TEST(ModPlayerLength, WholeSecondsRoundHalfToEven)
{
    const std::pair<qint64, qint64> cases[] = {
        { 215400, 215 },
        { 215500, 216 },
        { 216500, 216 },
        { 216501, 217 },
        { 499, 0 },
        { 500, 0 },
        { 1500, 2 },
        { 0, 0 },
    };
    for (const auto& [ms, seconds] : cases)
        EXPECT_EQ(ModPlayer::wholeSeconds(ms), seconds) << ms;
}

} // namespace

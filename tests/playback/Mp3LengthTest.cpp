#include "ToneFiles.h"

#include "platform/SilentAudioOutput.h"
#include "playback/ModPlayer.h"
#include "playback/Mp3Decoder.h"
#include "playback/Mp3Length.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <array>

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

class Mp3LengthTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files = new ToneFiles;
        const ToneFiles::Tone stereo { 440, 3.0 };
        const ToneFiles::Tone mono22 { 1000, 2.5, 22050, 1 };
        files->encode("cbr.mp3", stereo, { "-b", "128" });
        files->encode("vbr.mp3", stereo, { "-V", "5" });
        files->encode("cbr-bare.mp3", stereo, { "-b", "160", "-t" });
        files->encode("vbr-bare.mp3", stereo, { "-V", "2", "-t" });
        files->encode("mpeg2.mp3", mono22, { "-b", "64" });
        files->encode("mpeg25-bare.mp3", { 300, 2.2, 8000, 1 }, { "-b", "16", "-t" });
        files->encode("mpeg2-vbr-bare.mp3", mono22, { "-V", "6", "-t" });
    }
    static void TearDownTestSuite() { delete files; }

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

// Within a frame is the promise; in fact both count the same samples, also
// where a header's counts do not fit the file and must give way to the frames.
TEST_F(Mp3LengthTest, EveryKindAgreesWithAFullDecode)
{
    const Format cd { 44100, false };
    const Format low { 11025, true };
    const QByteArray vbri = Mp3Frames::vbriFrame(cd, 128, 120, 121 * 417) + Mp3Frames::frames(cd, { 128 }, 120);
    const QByteArray cbr = files->bytes("cbr.mp3");
    const QByteArray vbr = files->bytes("vbr.mp3");
    auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
    auto tagged = [](const QByteArray& audio) {
        return Mp3Frames::id3v2Tag(1'000'000) + Mp3Frames::id3v2Tag(300, "Zweiter") + audio
            + Mp3Frames::apeTag("Artist", "Jemand") + Mp3Frames::lyrics3v2("La la la")
            + Mp3Frames::id3v1Tag("T", "A", 1);
    };
    const std::pair<const char*, QByteArray> kinds[] = {
        { "CBR with Info", cbr },
        { "VBR with Xing", vbr },
        { "CBR without header", files->bytes("cbr-bare.mp3") },
        { "VBR without header", files->bytes("vbr-bare.mp3") },
        { "MPEG-2 mono with Info", files->bytes("mpeg2.mp3") },
        { "MPEG-2 VBR without header", files->bytes("mpeg2-vbr-bare.mp3") },
        { "MPEG-2.5 without header", files->bytes("mpeg25-bare.mp3") },
        { "tags at both ends, Xing", tagged(vbr) },
        { "tags at both ends, walked", tagged(files->bytes("vbr-bare.mp3")) },
        { "walked at 24 kHz", Mp3Frames::frames({ 24000, false }, { 8, 160, 64, 144 }, 777) },
        { "VBRI header", vbri },
        { "Xing without LAME extension",
            Mp3Frames::xingFrame(low, 64, false, 300, 0) + Mp3Frames::frames(low, { 8, 32, 16 }, 300) },
        { "LAME padding shorter than the decoder delay",
            Mp3Frames::xingFrame(cd, 128, true, 120, 0, 576, 100) + Mp3Frames::frames(cd, { 128 }, 120) },
        { "junk before the first frame",
            Mp3Frames::id3v2Tag(10) + QByteArray(3000, '\x11') + Mp3Frames::frames(cd, { 96, 320 }, 150) },
        { "CBR with Info, cut in half", half(cbr) },
        { "VBR with Xing, cut in half", half(vbr) },
        { "CBR without header, cut in half", half(files->bytes("cbr-bare.mp3")) },
        { "VBRI, cut in half", half(vbri) },
        { "Info counting no frames", Mp3Frames::withFrameCount(cbr, 0) },
        { "Xing counting 2^32 - 1 frames", Mp3Frames::withFrameCount(vbr, 0xFFFFFFFF) },
        // The byte count is right, but that many frames would not fit even at 32 kbit/s.
        { "Info counting 1000 frames", Mp3Frames::withFrameCount(cbr, 1000) },
        { "VBRI counting no frames", Mp3Frames::withFrameCount(vbri, 0) },
        { "VBRI counting 2^32 - 1 frames", Mp3Frames::withFrameCount(vbri, 0xFFFFFFFF) },
    };
    for (const auto& [name, bytes] : kinds) {
        SCOPED_TRACE(name);
        const QString path = files->write("song.mp3", bytes);
        const auto length = Mp3Length::of(path);
        ASSERT_TRUE(length);
        const qint64 decoded = decodedMilliseconds(path);
        EXPECT_GT(decoded, 1000);
        EXPECT_LE(std::abs(double(length->milliseconds() - decoded)), 2.0) << decoded;
    }
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

    // Rounded half to even.
    const std::pair<qint64, qint64> rounded[]
        = { { 215500, 216 }, { 216500, 216 }, { 216501, 217 }, { 500, 0 }, { 1500, 2 } };
    for (const auto& [ms, seconds] : rounded)
        EXPECT_EQ(ModPlayer::wholeSeconds(ms), seconds) << ms;
}

} // namespace

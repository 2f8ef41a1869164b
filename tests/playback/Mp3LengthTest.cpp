#include "ToneFiles.h"

#include "platform/SilentAudioOutput.h"
#include "playback/ModPlayer.h"
#include "playback/Mp3Decoder.h"
#include "playback/Mp3Length.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <array>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

using Mp3Frames::Format;

constexpr int kOutputRate = 44100;

// Output frames the decoder puts out from `fromMs` to the end of the file; -1 when it cannot open it.
qint64 decodedFrames(const QString& path, qint64 fromMs = 0)
{
    auto decoder = Mp3Decoder::open(path);
    if (!decoder)
        return -1;
    if (fromMs > 0)
        decoder->seek(fromMs);
    std::array<qint16, 4096 * 2> buffer;
    qint64 frames = 0;
    for (int got = 4096; got == 4096; frames += got)
        got = decoder->read(buffer.data(), 4096);
    return frames;
}

QByteArray randomJunk(int bytes)
{
    QByteArray junk(bytes, '\0');
    QRandomGenerator random(17);
    for (char& c : junk)
        c = char(random.bounded(256));
    return junk;
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
        files->encode("mpeg2.mp3", mono22, { "-b", "64" });
        files->encode("mpeg25-bare.mp3", { 300, 2.2, 8000, 1 }, { "-b", "16", "-t" });
        files->encode("jingle.mp3", { 880, 0.2 }, { "-b", "128" });
    }
    static void TearDownTestSuite() { delete files; }

    static inline ToneFiles* files = nullptr;
};

TEST_F(Mp3LengthTest, LengthIsExactlyWhatTheDecoderPlays)
{
    const Format cd { 44100, false };
    const double frameMs = 1152 * 1000.0 / 44100;
    const QByteArray cbr = files->bytes("cbr.mp3");
    const QByteArray vbr = files->bytes("vbr.mp3");
    const QByteArray vbri = Mp3Frames::vbriFrame(cd, 128, 120, 121 * 417) + Mp3Frames::frames(cd, { 128 }, 120);
    const QByteArray frames100 = Mp3Frames::frames(cd, { 96, 320 }, 100);
    const QByteArray cbr300 = Mp3Frames::frames(cd, { 128 }, 300);
    const QByteArray id3v1 = Mp3Frames::id3v1Tag("T", "A", 1);
    auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
    // An unfinished download: full size, but only the first part holds audio.
    auto zeroTail = [](QByteArray bytes) {
        return bytes.replace(bytes.size() / 3, bytes.size(), QByteArray(bytes.size() - bytes.size() / 3, '\0'));
    };
    auto junkInMiddle = [](const QByteArray& bytes, const QByteArray& junk) {
        // At a frame boundary of the 417/418-byte CBR frames, behind any info frame.
        const qsizetype at = bytes.indexOf(QByteArray("\xFF\xFB", 2), bytes.size() / 2);
        return bytes.left(at) + junk + bytes.mid(at);
    };
    auto tagged = [&](const QByteArray& audio) {
        return Mp3Frames::id3v2Tag(100'000) + Mp3Frames::id3v2Tag(300, "Zweiter") + audio
            + Mp3Frames::apeTag("Artist", "Jemand") + Mp3Frames::lyrics3v2("La la la") + id3v1;
    };
    auto tagsInFrames = [](QByteArray frames) {
        for (int k = 0; k < 7; ++k)
            frames.replace(frames.size() - 108 - 128 * k, 3, "TAG");
        return frames + "-00020LYRICS200";
    };
    const QByteArray junk = randomJunk(5000);
    // A header of the stream inside junk, with no frame behind it.
    const QByteArray strayHeader = junk.left(2000) + Mp3Frames::silentFrame(cd, 128).left(4) + junk.mid(2000);
    const QByteArray loneFrame = junk.left(1500) + Mp3Frames::silentFrame(cd, 128) + junk.mid(1500);

    const struct {
        const char* name;
        QByteArray bytes;
        double expectedMs = -1; // within a frame; -1: whatever the decoder plays
    } kinds[] = {
        { "CBR with Info", cbr, 3000 },
        { "VBR with Xing", vbr, 3000 },
        { "MPEG-2 mono with Info", files->bytes("mpeg2.mp3"), 2500 },
        { "MPEG-2.5 mono without header", files->bytes("mpeg25-bare.mp3") },
        { "VBR at 24 kHz", Mp3Frames::frames({ 24000, false }, { 8, 160, 64, 144 }, 777), 777 * 24.0 },
        { "VBRI header", vbri, 121 * frameMs },
        { "Xing without LAME extension, 11 kHz",
            Mp3Frames::xingFrame({ 11025, true }, 64, false, 300, 0)
                + Mp3Frames::frames({ 11025, true }, { 8, 32 }, 300) },
        { "LAME padding shorter than the decoder delay",
            Mp3Frames::xingFrame(cd, 128, true, 120, 0, 576, 100) + Mp3Frames::frames(cd, { 128 }, 120) },
        { "tags at both ends, walked", tagged(frames100), 100 * frameMs },
        { "junk before the first frame", Mp3Frames::id3v2Tag(10) + junk + frames100, 100 * frameMs },
        { "free format", Mp3Frames::freeFormatFrame(cd, 600).repeated(200), 200 * frameMs },
        { "one frame only", Mp3Frames::silentFrame(cd, 128), frameMs },
        { "a song of 0.2 s", files->bytes("jingle.mp3"), 200 },
        // Damaged files.
        { "Info, zero-filled tail", zeroTail(cbr), 1000 - 25 }, // less the encoder delay
        { "VBRI, zero-filled tail", zeroTail(vbri), 40 * frameMs },
        { "junk with a lone frame in the middle", junkInMiddle(cbr300, loneFrame), 300 * frameMs },
        { "junk in the middle, Info", junkInMiddle(cbr, strayHeader), 3000 },
        { "last frame cut short before ID3v1", frames100.chopped(100) + id3v1, 99 * frameMs },
        // A negative size moved the end of the audio past the file; from there "TAG" inside frames read as tags.
        { "negative Lyrics3 size behind frames holding \"TAG\"", tagsInFrames(Mp3Frames::frames(cd, { 128 }, 20)),
            20 * frameMs },
        { "VBRI, cut in half", half(vbri), 60 * frameMs },
        { "Info counting no frames", Mp3Frames::withFrameCount(cbr, 0) },
        { "Xing counting 2^32 - 1 frames", Mp3Frames::withFrameCount(vbr, 0xFFFFFFFF), 3000 },
        // Fits the file at the lowest bitrate and ends in whole frames, yet twice what the song holds.
        { "Info counting twice its frames", Mp3Frames::withFrameCount(cbr, 2 * (cbr.size() / 417)), 3000 },
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const QString path = files->write("song.mp3", kind.bytes);
        const auto length = Mp3Length::of(path);
        ASSERT_TRUE(length);
        EXPECT_EQ(length->samples * kOutputRate / length->sampleRate, decodedFrames(path));
        if (kind.expectedMs >= 0) {
            EXPECT_NEAR(double(length->milliseconds()), kind.expectedMs, frameMs);
        }
        // A jump lands on the sample.
        const qint64 jumpMs = length->milliseconds() / 2;
        const qint64 behindJump = length->samples - jumpMs * length->sampleRate / 1000;
        EXPECT_EQ(behindJump * kOutputRate / length->sampleRate, decodedFrames(path, jumpMs));
    }
}

TEST_F(Mp3LengthTest, PlayerGivesWholeSecondsAndThreeHundredAtOnceOnlyForWhatIsNoMp3)
{
    ModPlayer player(std::make_unique<SilentAudioOutput>());
    QSignalSpy notices(&player, &ModPlayer::notice);
    EXPECT_EQ(std::make_tuple(player.GetSongLength(files->path("cbr.mp3")),
                  player.GetSongLength(files->path("mpeg2.mp3")), player.GetSongLength(files->path("jingle.mp3"))),
        std::make_tuple(3, 2, 0)); // 2.5 s: half to even

    const QByteArray header = Mp3Frames::silentFrame({ 44100, false }, 128).left(4);
    QStringList notMp3 { files->write("text.mp3", QByteArray("Dies ist kein Lied.\n").repeated(500)),
        files->write("empty.mp3", {}),
        files->write("tags.mp3", Mp3Frames::id3v2Tag(100) + Mp3Frames::id3v1Tag("a", "b", 0)),
        files->write("header.mp3", randomJunk(500) + header + randomJunk(5000)), files->path("missing.mp3"),
        QDir::tempPath() };
#ifdef Q_OS_UNIX
    // Reading a named pipe would wait for a writer that never comes.
    const QString fifo = files->path("pipe.mp3");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    notMp3 << fifo << QStringLiteral("/dev/zero");
#endif
    for (const QString& path : notMp3) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(player.GetSongLength(path), 300);
        EXPECT_EQ(player.GetFileName(2), path);
        player.OpenMP3(0, path);
        player.PlayMP3(0);
        EXPECT_EQ(player.GetFileName(0), path) << "callers check the name before playing";
        EXPECT_TRUE(player.GetLength(0) == 0 && player.GetStatus(0) == 0 && player.GetPosition(0) == 0);
    }
    EXPECT_EQ(notices.count(), 0) << "an unplayable file is skipped silently";

    // A player's length is known at once, its status follows the calls, an empty name closes it.
    player.OpenMP3(1, files->path("cbr.mp3"));
    player.SetPosition(1, 1200);
    player.PlayMP3(1);
    EXPECT_EQ(std::make_tuple(player.GetLength(1), player.GetStatus(1)), std::make_tuple(3, 2));
    EXPECT_GE(player.GetPosition(1), 1200);
    player.PauseMP3(1);
    EXPECT_EQ(player.GetStatus(1), 1);
    player.OpenMP3(1, QString());
    EXPECT_TRUE(player.GetFileName(1).isEmpty() && player.GetStatus(1) == 0 && player.GetLength(1) == 0);
}

} // namespace

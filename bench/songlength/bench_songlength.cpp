// How fast and how exactly song lengths come out of MP3 files.
//
// Set (a): files whose first frame carries a Xing/Info or VBRI header, a
// third of them behind a large ID3v2 tag. Set (b): CBR and VBR files without
// any header, MPEG-1, 2 and 2.5, some with tags at the end. Baselines from
// the same run: for (a) opening each file and reading its first 8 KiB and
// last 128 bytes; for (b) reading each whole file; for (a) also libmpg123's
// own mpg123_open + mpg123_length. The accuracy check decodes a sample of
// every kind in full.
#include "playback/Mp3Decoder.h"
#include "playback/Mp3Length.h"
#include "support/Mp3Frames.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <mpg123.h>

#include <array>
#include <cstdio>
#include <functional>

namespace {

using Mp3Frames::Format;

constexpr int kFilesPerSet = 2000;
constexpr int kRounds = 3;

struct Song {
    QString path;
    const char* kind;
};

// 4 to 12 s of audio: the work per file grows with its length like the baseline's.
int frameCount(QRandomGenerator& random, const Format& format)
{
    const int seconds = 4 + int(random.bounded(9));
    // Layer III: 1152 samples a frame for MPEG-1 (32 kHz and up), 576 below.
    return seconds * format.sampleRate / (format.sampleRate >= 32000 ? 1152 : 576);
}

QByteArray headerSong(int i, QRandomGenerator& random, const char** kind)
{
    const Format cd { 44100, false };
    const Format low { 22050, true };
    const int frames = frameCount(random, cd);
    QByteArray audio;
    switch (i % 3) {
    case 0:
        *kind = "Xing VBR + LAME";
        audio = Mp3Frames::frames(cd, { 96, 128, 192, 256 }, frames);
        audio.prepend(
            Mp3Frames::xingFrame(cd, 128, false, frames, int(audio.size()), 576, 529 + int(random.bounded(1152))));
        break;
    case 1: {
        *kind = "Info CBR MPEG-2 + LAME";
        const int lowFrames = frameCount(random, low);
        audio = Mp3Frames::frames(low, { 64 }, lowFrames);
        audio.prepend(Mp3Frames::xingFrame(low, 64, true, lowFrames, int(audio.size()), 576, 1000));
        break;
    }
    default:
        *kind = "VBRI";
        audio = Mp3Frames::frames(cd, { 112, 160 }, frames);
        audio.prepend(Mp3Frames::vbriFrame(cd, 160, frames, int(audio.size())));
        break;
    }
    // Every third file hides its header behind a large tag with cover art.
    if (i % 9 < 3)
        audio.prepend(Mp3Frames::id3v2Tag(200'000 + int(random.bounded(300'000))));
    return audio;
}

QByteArray walkSong(int i, QRandomGenerator& random, const char** kind)
{
    static const std::array<std::pair<Format, QList<int>>, 4> kKinds = { {
        { { 44100, false }, { 128 } },
        { { 44100, false }, { 96, 128, 160, 192, 256, 320 } },
        { { 22050, true }, { 32, 40, 48, 64 } },
        { { 8000, true }, { 16 } },
    } };
    static const char* const kNames[] = { "CBR MPEG-1", "VBR MPEG-1", "VBR MPEG-2 22 kHz", "CBR MPEG-2.5 8 kHz" };
    const auto& [format, bitrates] = kKinds[std::size_t(i % 4)];
    *kind = kNames[i % 4];
    QByteArray audio = Mp3Frames::id3v2Tag(2000) + Mp3Frames::frames(format, bitrates, frameCount(random, format));
    if (i % 2 == 0)
        audio += Mp3Frames::apeTag("Artist", "Jemand") + Mp3Frames::id3v1Tag("Titel", "Jemand", 17);
    return audio;
}

std::vector<Song> makeSet(const QString& folder, QByteArray (*make)(int, QRandomGenerator&, const char**))
{
    QDir().mkpath(folder);
    QRandomGenerator random(4711);
    std::vector<Song> songs;
    for (int i = 0; i < kFilesPerSet; ++i) {
        const char* kind = "";
        const QString path = QStringLiteral("%1/%2.mp3").arg(folder).arg(i);
        if (!Mp3Frames::writeFile(path, make(i, random, &kind)))
            qFatal("cannot write %s", qPrintable(path));
        songs.push_back({ path, kind });
    }
    return songs;
}

// Best of a few rounds, in seconds for the whole set.
double timeSet(const std::vector<Song>& songs, const std::function<qint64(const QString&)>& work)
{
    double best = 1e9;
    qint64 checksum = 0;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (const Song& song : songs)
            checksum += work(song.path);
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    if (checksum == 42)
        std::printf(" "); // keeps the work from being optimised away
    return best;
}

qint64 bareHeadAndTail(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const qint64 head = file.read(8192).size();
    file.seek(file.size() - 128);
    return head + file.read(128).size();
}

qint64 bareWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    qint64 bytes = 0;
    while (!file.atEnd())
        bytes += file.read(1024 * 1024).size();
    return bytes;
}

qint64 computed(const QString& path)
{
    const auto length = Mp3Length::of(path);
    return length ? length->samples : -1;
}

qint64 libraryLength(mpg123_handle* handle, const QString& path)
{
    if (mpg123_open(handle, QFile::encodeName(path).constData()) != MPG123_OK)
        return -1;
    const qint64 length = mpg123_length(handle);
    mpg123_close(handle);
    return length;
}

double decodedMs(const QString& path)
{
    auto decoder = Mp3Decoder::open(path);
    std::array<qint16, 8192> buffer;
    qint64 frames = 0;
    for (int got = 4096; decoder && got == 4096;) {
        got = decoder->read(buffer.data(), 4096);
        frames += got;
    }
    return frames * 1000.0 / 44100;
}

// Largest difference between computed and decoded length over a sample of the set.
double largestErrorMs(const std::vector<Song>& songs, const char** worstKind)
{
    double worst = 0;
    for (std::size_t i = 0; i < songs.size(); i += 25) {
        const auto length = Mp3Length::of(songs[i].path);
        const double computedMs = length ? length->samples * 1000.0 / length->sampleRate : -1e9;
        const double error = std::abs(computedMs - decodedMs(songs[i].path));
        if (error >= worst) {
            worst = error;
            *worstKind = songs[i].kind;
        }
    }
    return worst;
}

void printRate(const char* name, double seconds, double baseline, const char* baselineName)
{
    std::printf(
        "%s: %.0f files/s (ratio %.2f vs %s)\n", name, kFilesPerSet / seconds, seconds / baseline, baselineName);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const auto headerSet = makeSet(dir.filePath("header"), headerSong);
    const auto walkSet = makeSet(dir.filePath("walk"), walkSong);

    mpg123_init();
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);

    timeSet(walkSet, bareWholeFile); // warms the file cache for both sets
    timeSet(headerSet, bareWholeFile);
    const double headerBare = timeSet(headerSet, bareHeadAndTail);
    const double headerOurs = timeSet(headerSet, computed);
    const double headerLibrary = timeSet(headerSet, [&](const QString& path) { return libraryLength(handle, path); });
    const double walkBare = timeSet(walkSet, bareWholeFile);
    const double walkOurs = timeSet(walkSet, computed);
    mpg123_delete(handle);

    printRate("songlength-header", headerOurs, headerBare, "bare read");
    printRate("songlength-header-library", headerOurs, headerLibrary, "mpg123_open+mpg123_length");
    printRate("songlength-walk", walkOurs, walkBare, "bare read");

    const char* headerKind = "";
    const char* walkKind = "";
    const double headerError = largestErrorMs(headerSet, &headerKind);
    const double walkError = largestErrorMs(walkSet, &walkKind);
    const bool headerWorse = headerError >= walkError;
    constexpr double kFrameMs = 1152 * 1000.0 / 44100;
    std::printf("songlength-error: %.2f ms largest, %s (ratio %.3f vs one frame of 26.1 ms)\n",
        headerWorse ? headerError : walkError, headerWorse ? headerKind : walkKind,
        std::max(headerError, walkError) / kFrameMs);
    return 0;
}

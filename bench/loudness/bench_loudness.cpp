// What even loudness costs. First line: measuring a song (decoding it as a
// player does, plus loudness and true peak) in multiples of real time,
// against decoding alone. Second line: the output thread's mixing of two
// players that play at a levelling gain, as a share of one core.
#include "Kurzlauf.h"
#include "Mischzeit.h"
#include "platform/AudioOutput.h"
#include "playback/EnginePlayer.h"
#include "playback/Lautheitsmessung.h"
#include "playback/Mp3Decoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = AudioOutput::kSampleRate;

// Music-like content for the encoder: two tones and some noise, so the
// decoder has real work (silent frames decode far faster).
QString encodeSong(const QTemporaryDir& dir, int seconds)
{
    QByteArray pcm(qsizetype(seconds) * kRate * 4, '\0');
    auto* samples = reinterpret_cast<qint16*>(pcm.data());
    QRandomGenerator random(7);
    for (int i = 0; i < seconds * kRate; ++i) {
        const double t = double(i) / kRate;
        const double value = 6000 * std::sin(2 * std::numbers::pi * 220 * t)
            + 3000 * std::sin(2 * std::numbers::pi * 1760 * t) + 2000 * (random.generateDouble() - 0.5);
        samples[2 * i] = qint16(value);
        samples[2 * i + 1] = qint16(-value);
    }
    QFile raw(dir.filePath(QStringLiteral("song.raw")));
    if (!raw.open(QIODevice::WriteOnly) || raw.write(pcm) != pcm.size())
        return {};
    raw.close();
    const QString mp3 = dir.filePath(QStringLiteral("song.mp3"));
    const int status = QProcess::execute(QStringLiteral("lame"),
        { "--quiet", "-r", "--signed", "--little-endian", "-s", "44.1", "-b", "192", raw.fileName(), mp3 });
    return status == 0 ? mp3 : QString();
}

// Seconds for decoding the whole song, the best of a few rounds.
double decodingAlone(const QString& song, int rounds)
{
    double best = 1e9;
    std::vector<qint16> block(4096 * AudioOutput::kChannels);
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        auto decoder = Mp3Decoder::open(song);
        if (!decoder)
            return -1;
        while (decoder->read(block.data(), 4096) == 4096) { }
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

double measuring(const QString& song, int rounds)
{
    double best = 1e9;
    const std::atomic<bool> never { false };
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (!Lautheitsmessung::datei(song, never))
            return -1;
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

// Percent of one core that mixing two players at a gain of -6 dB and +4 dB takes.
double mixingPercent(const QString& song, int seconds)
{
    EnginePlayer first;
    EnginePlayer second;
    if (!first.open(song, 0.5) || !second.open(song, 1.6))
        return -1;
    first.play();
    second.play();
    const qint64 mixingNs = Mischzeit::zweiSpieler(first, second, seconds);
    if (first.status() != EnginePlayer::Playing)
        return -1;
    return mixingNs / 1e9 / seconds * 100;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = Kurzlauf::waehle(120, 5);
    const int rounds = Kurzlauf::waehle(3, 1);
    constexpr double kBudgetPercent = 1.0;

    QTemporaryDir dir;
    const QString song = encodeSong(dir, seconds);
    if (song.isEmpty()) {
        std::fprintf(stderr, "the lame encoder is needed\n");
        return 1;
    }
    const double decoding = decodingAlone(song, rounds);
    const double measured = measuring(song, rounds);
    // The song plays a little longer than the mixing is timed, so both players play throughout.
    const double percent = mixingPercent(song, seconds - 1);
    if (decoding <= 0 || measured <= 0 || percent < 0) {
        std::fprintf(stderr, "the song did not decode or play\n");
        return 1;
    }
    std::printf("loudness: %.0fx real time (ratio %.2f vs decoding alone)\n", seconds / measured, measured / decoding);
    std::printf("loudness-mixer: %.4f %% of one core for two players at a gain (ratio %.4f vs %.0f %% budget)\n",
        percent, percent / kBudgetPercent, kBudgetPercent);
    return 0;
}

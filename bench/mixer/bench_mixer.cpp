// What mixing two playing players costs: the output thread's whole work
// for 60 s of audio, timed apart from decoding, as a share of one core.
#include "Kurzlauf.h"
#include "Mischzeit.h"
#include "playback/EnginePlayer.h"
#include "support/Mp3Frames.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int kSeconds = Kurzlauf::waehle(60, 2);
    constexpr double kBudgetPercent = 1.0;

    QTemporaryDir dir;
    const QString song = dir.filePath("song.mp3");
    // A little longer than the measurement, so both players play throughout.
    if (!Mp3Frames::writeFile(song, Mp3Frames::silentFrames((kSeconds + 2) * 44100 / 1152)))
        return 1;
    EnginePlayer first;
    EnginePlayer second;
    if (!first.open(song) || !second.open(song))
        return 1;
    first.play();
    second.play();
    const qint64 mixingNs = Mischzeit::zweiSpieler(first, second, kSeconds);
    if (first.status() != EnginePlayer::Playing || first.positionMs() < kSeconds * 1000 - 50) {
        std::fprintf(stderr, "players stopped early at %lld ms\n", static_cast<long long>(first.positionMs()));
        return 1;
    }
    const double percent = mixingNs / 1e9 / kSeconds * 100;
    std::printf("mixer: %.4f %% of one core for two players (ratio %.4f vs %.0f %% budget)\n", percent,
        percent / kBudgetPercent, kBudgetPercent);
    return 0;
}

// Plays two songs overlapping, as the jukebox crossfades, on the current SDL
// audio driver and prints both players' positions every 250 ms:
//
//     tonvaro-play-check [--overlap SECONDS] [first.mp3 second.mp3]
//
// Without files it makes two tones with the lame encoder. With
// SDL_AUDIODRIVER=disk the mixed output lands in SDL_DISKAUDIOFILE. Exits 0
// once both songs have ended, 3 if they still play a few seconds after their
// lengths.
#include "platform/SdlAudioOutput.h"
#include "playback/ModPlayer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// A sine tone as MP3, through the lame encoder.
QString makeTone(const QTemporaryDir& dir, const QString& name, double frequency, int seconds)
{
    constexpr int kRate = 44100;
    QByteArray pcm(qsizetype(seconds) * kRate * 4, '\0');
    auto* samples = reinterpret_cast<qint16*>(pcm.data());
    for (int i = 0; i < seconds * kRate; ++i)
        samples[2 * i] = samples[2 * i + 1] = qint16(12000 * std::sin(2 * std::numbers::pi * frequency * i / kRate));
    QFile raw(dir.filePath(name + QStringLiteral(".raw")));
    if (!raw.open(QIODevice::WriteOnly) || raw.write(pcm) != pcm.size())
        return {};
    raw.close();
    const QString mp3 = dir.filePath(name);
    QProcess lame;
    lame.start(QStringLiteral("lame"),
        { "--quiet", "-r", "--signed", "--little-endian", "-s", "44.1", "-b", "128", raw.fileName(), mp3 });
    const bool encoded
        = lame.waitForFinished(60000) && lame.exitStatus() == QProcess::NormalExit && lame.exitCode() == 0;
    return encoded ? mp3 : QString();
}

void report(ModPlayer& player, qint64 elapsedMs)
{
    std::printf("%6.2f s", elapsedMs / 1000.0);
    for (int index : { 0, 1 }) {
        std::printf("   player %d: %7.3f s of %3lld s, status %d", index, player.GetPosition(index) / 1000.0,
            static_cast<long long>(player.GetLength(index)), player.GetStatus(index));
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays two songs overlapping and reports both positions."));
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("overlap"), QStringLiteral("Seconds both songs play together."),
        QStringLiteral("seconds"), QStringLiteral("3") });
    parser.addPositionalArgument(QStringLiteral("songs"), QStringLiteral("Two MP3 files (default: two tones)."));
    parser.process(app);

    QTemporaryDir dir;
    QStringList songs = parser.positionalArguments();
    if (songs.isEmpty())
        songs = { makeTone(dir, QStringLiteral("a.mp3"), 440, 6), makeTone(dir, QStringLiteral("b.mp3"), 660, 5) };
    if (songs.size() != 2 || songs.contains(QString())) {
        std::fprintf(stderr, "need two songs (or lame on the PATH to make them)\n");
        return 2;
    }

    ModPlayer player(std::make_unique<SdlAudioOutput>());
    QObject::connect(
        &player, &ModPlayer::notice, [](const QString& text) { std::printf("notice: %s\n", qPrintable(text)); });
    player.OpenMP3(0, songs[0]);
    player.OpenMP3(1, songs[1]);
    if (player.GetLength(0) == 0 || player.GetLength(1) == 0) {
        std::fprintf(stderr, "cannot play %s\n", qPrintable(songs.join(QStringLiteral(" or "))));
        return 1;
    }
    const qint64 overlapMs = qint64(parser.value(QStringLiteral("overlap")).toDouble() * 1000);
    player.PlayMP3(0);

    // Both songs and a few seconds more; a player that never ends fails the check.
    const qint64 limitMs = (player.GetLength(0) + player.GetLength(1) + 5) * 1000;
    QElapsedTimer clock;
    clock.start();
    bool secondStarted = false;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        report(player, clock.elapsed());
        // A length rounded up to whole seconds may never be passed: a song
        // that has stopped has ended too.
        if (!secondStarted
            && (player.GetPosition(0) > player.GetLength(0) * 1000 - overlapMs || player.GetStatus(0) == 0)) {
            player.PlayMP3(1);
            secondStarted = true;
        }
        if (secondStarted && player.GetStatus(0) == 0 && player.GetStatus(1) == 0) {
            app.exit(0);
        } else if (clock.elapsed() > limitMs) {
            std::fprintf(stderr, "still playing after %lld s\n", static_cast<long long>(clock.elapsed() / 1000));
            app.exit(3);
        }
    });
    tick.start(250);
    return app.exec();
}

// What the jukebox costs while it waits: the process's CPU time over 10 s of
// its event loop after a start on a small music folder (durations measured,
// nothing playing, nothing queued, the real audio engine on SDL's current
// driver), against an empty full-screen window measured the same way.

#include "Jukeboxfenster.h"
#include "Kurzlauf.h"
#include "platform/AppPaths.h"
#include "playback/ModPlayer.h"
#include "start/QSettingsStore.h"
#include "support/Mp3Frames.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

const int kSekunden = Kurzlauf::waehle(10, 1);
constexpr double kZielProzent = 0.2;

void warten(int ms)
{
    QEventLoop schleife;
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    schleife.exec();
}

// Per cent of one core that this process used over the next kSekunden of its event loop.
double cpuProzent()
{
    const std::clock_t vorher = std::clock();
    warten(kSekunden * 1000);
    return double(std::clock() - vorher) / CLOCKS_PER_SEC / kSekunden * 100;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir konfiguration;
    qputenv("XDG_CONFIG_HOME", konfiguration.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTemporaryDir programmOrdner;
    AppPaths::setProgramFolder(programmOrdner.path());

    double leer = 0;
    {
        QWidget fenster;
        fenster.showFullScreen();
        warten(500);
        leer = cpuProzent();
    }

    QTemporaryDir musik;
    for (int i = 0; i < 20; ++i)
        Mp3Frames::writeFile(QStringLiteral("%1/Lied %2.mp3").arg(musik.path()).arg(i),
            Mp3Frames::silentFrames(39) + Mp3Frames::id3v1Tag("Lied " + QByteArray::number(i), "Band", 17));
    QSettingsStore store(QStringLiteral("bench_idle_cpu"));
    Jukeboxfenster::einrichten(store, musik.path());
    Jukeboxfenster fenster(store, modPlayer());
    fenster.start.show();
    fenster.start.cmdOK_Click();
    // The durations are measured and the start message has gone.
    warten(Kurzlauf::waehle(6000, 1000));
    const double jukebox = cpuProzent();

    std::printf("waiting jukebox: %.3f %% of one core over %d s; empty full-screen window %.3f %% (target %.1f %%)\n",
        jukebox, kSekunden, leer, kZielProzent);
    std::printf("idle-cpu: %.3f %% (ratio %.2f vs an empty full-screen window)\n", jukebox,
        leer > 0 ? jukebox / leer : 0.0);
    return 0;
}

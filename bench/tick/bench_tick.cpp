// One Timer1 tick of a playing jukebox with 50 queued songs: it must not
// grow with the archive (100,000 rows against 1,000).
#include "Kurzlauf.h"
#include "tick/Jukeboxaufbau.h"

#include <QCoreApplication>

namespace {

const int kTicks = Kurzlauf::waehle(20000, 500);

double tickMedian(int archivzeilen)
{
    Jukebox jukebox(archivzeilen, 50);
    Sequenzer& sequenzer = jukebox.wiedergabe.sequenzer();
    sequenzer.Timer1_Timer(); // starts row 1
    std::vector<double> zeiten;
    zeiten.reserve(kTicks);
    for (int i = 0; i < kTicks; ++i) {
        jukebox.uhr.zeit = jukebox.uhr.zeit.addMSecs(250);
        // The song stays mid-way: the tick's every-minute work is included, its song change is not.
        jukebox.player.position[sequenzer.zustand().AktiverPlayer] = 60'000 + (i % 100) * 250;
        zeiten.push_back(millisekunden([&] { sequenzer.Timer1_Timer(); }));
    }
    return median(zeiten);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const double klein = tickMedian(1000);
    const double gross = tickMedian(Kurzlauf::waehle(100000, 5000));
    std::printf("tick: %.4f ms median (ratio %.2f vs the same tick with 1,000 archive rows)\n", gross, gross / klein);
    return 0;
}

// Taking a song over with 100,000 archive rows and 1,000 queued songs: the
// duplicate check and the start times walk the whole queue.
#include "Kurzlauf.h"
#include "tick/Jukeboxaufbau.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr double kZielMs = 1.0;
    Jukebox jukebox(Kurzlauf::waehle(100000, 2000), Kurzlauf::waehle(1000, 50));
    Playliste& playliste = jukebox.wiedergabe.playliste();
    std::vector<double> zeiten;
    for (int i = 0, n = Kurzlauf::waehle(500, 50); i < n; ++i) {
        jukebox.archiv.setRow(1 + i * 7);
        zeiten.push_back(millisekunden([&] { playliste.Uebernehmen_Click(); }));
        jukebox.playlist.RemoveItem(jukebox.playlist.Rows() - 1);
    }
    const double wert = median(zeiten);
    std::printf("takeover: %.3f ms median (ratio %.2f vs the 1 ms target)\n", wert, wert / kZielMs);
    return 0;
}

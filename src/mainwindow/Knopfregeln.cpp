#include "mainwindow/Knopfregeln.h"

namespace Knopfregeln {

Freigabe EnableButtons(const Lage& lage)
{
    Freigabe f;
    const bool playlistLeer = lage.playlistRows <= 1;
    const bool playlistLetzte = lage.playlistRow == lage.playlistRows - 1;

    // Nothing may move above the head song, which is playing.
    if (lage.playlistRow == 1 || lage.playlistRow == 2 || playlistLeer)
        f.cmdHoch[0] = false;
    if (lage.playlistRow == 1 || playlistLetzte || playlistLeer)
        f.cmdHoch[1] = false;
    // With an empty playlist, delete still stops the song that is playing.
    if (playlistLeer && !lage.playerSpielt)
        f.cmdLoeschen = false;

    if (lage.archivRow <= 1 || lage.archivRows <= 1)
        f.FunbuttonArchivNav[0] = false;
    if (lage.archivRow == lage.archivRows - 1 || lage.archivRows <= 1)
        f.FunbuttonArchivNav[1] = false;
    if (lage.playlistRow == 1 || playlistLeer)
        f.FunbuttonArchivNav[2] = false;
    if (playlistLetzte || playlistLeer)
        f.FunbuttonArchivNav[3] = false;

    // A locked screen can still be browsed.
    if (lage.gesperrt) {
        f.Uebernehmen = false;
        f.cmdHoch = { false, false };
        f.cmdLoeschen = false;
    }
    return f;
}

} // namespace Knopfregeln

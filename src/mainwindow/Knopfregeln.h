#pragma once

#include <array>

// Which touch buttons of the main window may be pressed, worked out afresh
// from the grids, the player and the lock at every call.
namespace Knopfregeln {

// Rows counts the header; Row is the selected row.
struct Lage {
    int playlistRows = 1;
    int playlistRow = 0;
    int archivRows = 1;
    int archivRow = 0;
    bool playerSpielt = false; // the current song's player, as opposed to paused or stopped
    bool gesperrt = false; // the lock's tag is "Zu"
};

struct Freigabe {
    bool Uebernehmen = true;
    std::array<bool, 2> cmdHoch { true, true }; // 0 up, 1 down
    bool cmdLoeschen = true;
    std::array<bool, 4> FunbuttonArchivNav { true, true, true, true }; // archive up, down; playlist up, down

    bool operator==(const Freigabe&) const = default;
};

Freigabe EnableButtons(const Lage& lage);

} // namespace Knopfregeln

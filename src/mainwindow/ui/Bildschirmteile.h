#pragma once

class Archiv;
class Clock;
class FlexGridView;
class PlayerControl;
class frmMain;
class frmStart;

// What every wiring of the jukebox screen works with: the window, the start
// window's live settings, the players, the clock, the archive and both grids.
struct Bildschirmteile {
    frmMain& fenster;
    frmStart& start;
    PlayerControl& player;
    const Clock& uhr;
    ::Archiv& archiv;
    FlexGridView& archivView;
    FlexGridView& playlistView;
};

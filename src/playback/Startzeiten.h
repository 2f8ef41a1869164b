#pragma once

class Clock;
class FlexGrid;
class PlayerControl;
class Wiedergabefenster;
struct Wiedergabezustand;

// The start-time column of the playlist: the clock time at which each queued
// song will start.
class Startzeiten {
public:
    Startzeiten(FlexGrid& playlist, PlayerControl& player, const Clock& clock, const Wiedergabezustand& zustand,
        const Wiedergabefenster& fenster);

    // Row 1 shows when its song was started; each later row starts when the
    // songs above it have played, less the crossfading time per song, counted
    // from the moment the current song would have started had it never been
    // paused. A row without a readable duration counts as five minutes.
    void Uhrzeiten();

private:
    FlexGrid& m_playlist;
    PlayerControl& m_player;
    const Clock& m_clock;
    const Wiedergabezustand& m_zustand;
    const Wiedergabefenster& m_fenster;
};

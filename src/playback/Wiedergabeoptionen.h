#pragma once

// The operator's options that the playlist and the sequencer read at the
// moment of use (the start window's controls are the live settings).
struct Wiedergabeoptionen {
    // Crossfading seconds, taken when the jukebox screen was loaded.
    int Fadingzeit = 10;
    // Largest number of queued songs, the playing one included; 0 = no limit.
    int Anzahl = 0;
    // An empty playlist draws a random archive song.
    bool Zufall = false;
    // Delete and move only with the right mouse button.
    bool Muelleimer = false;
    // The right mouse button is switched off.
    bool RechteMaus = false;
    // Touching the note on the time bar pauses.
    bool Pause = true;
    // Songs are measured when queued and play levelled to an even loudness.
    bool Lautheit = false;
};

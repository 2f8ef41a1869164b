#pragma once

#include <QtGlobal>

// The one rule for when the next song starts: the sequencer's end test and
// the start-time column both follow it, so the screen says what will sound.
class Ueberblendung {
public:
    // Whether the song on a player counts as ended: its position (seconds)
    // has passed its length (whole seconds) less the crossfading time, or
    // the player has stopped by itself (status neither playing nor paused:
    // the song ran out, its file could not be played or went away). A
    // rounded-up length that is never passed, or a crossfading time of 0 on
    // an idle player, would otherwise stop playback for good.
    static bool Liedende(double positionSekunden, qint64 laenge, int fadingzeit, int status);
    // Seconds from a song's start to the start of the next one: its length
    // less the crossfading time, not below 0 (a shorter song hands over at once).
    static qint64 Startabstand(qint64 laenge, int fadingzeit);
};

#pragma once

#include "start/StartReport.h"

#include <QString>

class FlexGrid;

// What the start window asks of the jukebox screen when the operator starts
// the jukebox or goes back to the start window. The main window implements it.
class JukeboxScreen {
public:
    virtual ~JukeboxScreen() = default;

    // Builds the screen, and on every later start applies the options as they are now;
    // the playlist keeps its songs. False when the operator left it at a fault:
    // the screen is then not fit to be shown.
    virtual bool laden() = 0;
    // Scans the music folder into the archive.
    virtual void Einlesen(const QString& Startordner) = 0;
    // Whether a scan is running; it lets events through, so commands can arrive meanwhile.
    virtual bool liestEin() const = 0;
    virtual FlexGrid& Archiv() = 0;
    // Shows the report in the message frame and starts the timer that hides it.
    virtual void Startmeldung(const StartReport& report) = 0;
    virtual void Frame1Verstecken() = 0;
    // Shows the screen (built first if needed), maximised if asked.
    virtual void zeigen(bool maximieren) = 0;
    // Whether the touch buttons take presses of the right mouse button as enabled.
    virtual void EnabledRechts(bool Wert) = 0;
    // Reads the queue of the last run (only at the program's first start).
    virtual void PlaylistEinlesen() = 0;
    // Measures the archive's durations in the background: all rows, or only the visible ones.
    virtual void ZeitenEinlesen(bool NurSichtbare) = 0;
    // Fills in the playlist's start times.
    virtual void Uhrzeiten() = 0;
    // The start, with or without a scan, has ended however it went (laden() began it).
    virtual void startBeendet() = 0;
};

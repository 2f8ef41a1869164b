#pragma once

#include "playback/Wiedergabeoptionen.h"

#include <QString>

// What the playlist and the sequencer ask of the jukebox screen: its
// options, its lock and buttons, its message frame and the parts of the
// archive handling that live on the screen. The main window implements it;
// tests record the calls.
class Wiedergabefenster {
public:
    virtual ~Wiedergabefenster() = default;

    virtual Wiedergabeoptionen optionen() const = 0;
    // The lock's tag is "Auf".
    virtual bool schlossAuf() const = 0;

    virtual void setUebernehmenEnabled(bool enabled) = 0;
    virtual bool cmdLoeschenEnabled() const = 0;
    virtual void setCmdLoeschenEnabled(bool enabled) = 0;
    // index 0 up, 1 down.
    virtual bool cmdHochEnabled(int index) const = 0;
    virtual void EnableButtons() = 0;

    // Shows a notice for guests in the message frame for two seconds.
    virtual void Meldung(const QString& text) = 0;

    virtual void playlistFokus() = 0;
    virtual void archivFokus() = 0;
    virtual void KontextmenueZeigen() = 0;

    // The archive row of the selection, kept by the archive navigation.
    virtual int ArchivZeile() const = 0;
    virtual void setArchivZeile(int zeile) = 0;
    // Sorts the archive on column spalte without the keyboard and without
    // looking for the selected song.
    virtual void ArchivSortieren(int spalte) = 0;
    // Headers of both grids and their first rows.
    virtual void TabellenBeschriften() = 0;
};

#pragma once

#include "mainwindow/ui/Bildschirmteile.h"
#include "playback/Wiedergabe.h"
#include "playback/Wiedergabefenster.h"

#include <QObject>
#include <QTimer>

class Clock;
class FlexGridView;
class Funbutton;
class PlayerControl;
class QFrame;
class QLabel;
class frmMain;
class frmStart;
class Archiv;

// Ties the playback core to the jukebox screen: the touch buttons and the
// playlist grid call the playlist, Timer1 drives the sequencer, and the
// screen's bar, its text and the note show the time bar's state. It answers
// the core's questions about the screen; those about the archive side (lock,
// button rules, selection, sort) go back to the window, which asks the
// archive wiring.
class Wiedergabeanbindung : public QObject, public Wiedergabefenster {
    Q_OBJECT

public:
    struct Teile : Bildschirmteile {
        QFrame& Balken;
        QLabel& Balkentext;
    };

    explicit Wiedergabeanbindung(Teile teile);

    Wiedergabe& wiedergabe() { return m_wiedergabe; }
    Wiedergabezustand& zustand() { return m_wiedergabe.sequenzer().zustand(); }
    // Timer1 runs from the screen's first load to its close.
    void starten() { m_Timer1.start(); }
    void stoppen() { m_Timer1.stop(); }
    // Bar and note follow the window's width.
    void balkenAnpassen() { balkenZeigen(m_wiedergabe.zeitbalken().zustand()); }

    // Wiedergabefenster
    Wiedergabeoptionen optionen() const override;
    bool schlossAuf() const override;
    void setUebernehmenEnabled(bool enabled) override;
    bool cmdLoeschenEnabled() const override;
    void setCmdLoeschenEnabled(bool enabled) override;
    bool cmdHochEnabled(int index) const override;
    void EnableButtons() override;
    void Meldung(const QString& text) override;
    void playlistFokus() override;
    void archivFokus() override;
    void KontextmenueZeigen() override;
    int ArchivZeile() const override;
    void setArchivZeile(int zeile) override;
    void ArchivSortieren(int spalte) override;
    void TabellenBeschriften() override;

private:
    void verbinden();
    void balkenZeigen(const Balkenzustand& zustand);

    Teile m_teile;
    Wiedergabe m_wiedergabe;
    QTimer m_Timer1;
};

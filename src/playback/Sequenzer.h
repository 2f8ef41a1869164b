#pragma once

#include "playback/Wiedergabezustand.h"

#include <functional>
#include <optional>

class Clock;
class FlexGrid;
class Lautheitsausgleich;
class PlayerControl;
class Startzeiten;
class Wiedergabefenster;
class Zeitbalken;

// The order of play: starts playlist row 1, notices when the playing song is
// about to end, removes it and starts the next one on the other player, so
// the two overlap for the crossfading time; fills an empty playlist with a
// random archive song when asked to; toggles pause.
class Sequenzer {
public:
    // A number in [0, 1).
    using Zufallsquelle = std::function<double()>;

    struct Teile {
        FlexGrid& archiv;
        FlexGrid& playlist;
        PlayerControl& player;
        const Clock& clock;
        Wiedergabefenster& fenster;
        Startzeiten& startzeiten;
        Zeitbalken& zeitbalken;
        Wiedergabezustand& zustand;
        Lautheitsausgleich& lautheit;
    };

    // uebernehmen takes the archive's current row over to the playlist with every rule of taking over.
    Sequenzer(Teile teile, Zufallsquelle zufall, std::function<void()> uebernehmen);

    // The 250 ms tick.
    void Timer1_Timer();
    // Starts row 1 unless it is the song already started.
    void Naechstes();
    void Pause();
    // The note on the time bar was touched.
    void Positionsgrafik_Click();

    Wiedergabezustand& zustand() { return m_zustand; }
    // While the screen starts no random song is drawn: the queue of the last
    // run may still be read, and a random song would play ahead of it.
    void setZufallAngehalten(bool angehalten) { m_zufallAngehalten = angehalten; }

    // The archive row the random fill takes for a draw r in [0, 1) with
    // archivRows rows (header included); 0 when there is none. The first and
    // the last song are half as likely as the others.
    static int Zufallszeile(double r, int archivRows);

private:
    void ende();
    void zufallsfuellung();
    double naechsterZufall();
    void zufallVormerken();
    void starten(const QString& datei);

    Teile m_teile;
    Zufallsquelle m_zufall;
    std::function<void()> m_uebernehmen;
    Wiedergabezustand& m_zustand;
    // A modal window (an error report) lets the timer fire again inside a tick.
    bool m_imTick = false;
    bool m_zufallAngehalten = false;
    // The draw for the next random song, made ahead while levelling loudness.
    std::optional<double> m_vorgezogen;
};

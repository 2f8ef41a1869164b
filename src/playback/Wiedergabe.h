#pragma once

#include "playback/Autospeicherung.h"
#include "playback/Dauermessung.h"
#include "playback/Lautheitsausgleich.h"
#include "playback/PlaylistDatei.h"
#include "playback/Playliste.h"
#include "playback/Sequenzer.h"
#include "playback/Startzeiten.h"
#include "playback/Zeitbalken.h"

class Clock;
class FlexGrid;
class PlayerControl;
class Wiedergabefenster;

// Playlist and playback of the jukebox screen, put together: the screen
// owns the grids, the players, the clock and the timer, and calls the parts
// from its events.
class Wiedergabe {
public:
    static constexpr int kTimer1Intervall = 250;

    struct Teile {
        FlexGrid& MSFlexGrid1;
        FlexGrid& MSFlexGrid2;
        PlayerControl& player;
        const Clock& clock;
        Wiedergabefenster& fenster;
    };

    // lautheitsdatei: the loudness cache, see Lautheitsausgleich.
    Wiedergabe(Teile teile, Sequenzer::Zufallsquelle zufall, Dauermessung::Laengenmesser messer, PlaylistDatei datei,
        QString lautheitsdatei = QString());

    Playliste& playliste() { return m_playliste; }
    Sequenzer& sequenzer() { return m_sequenzer; }
    Startzeiten& startzeiten() { return m_startzeiten; }
    Zeitbalken& zeitbalken() { return m_zeitbalken; }
    Dauermessung& dauermessung() { return m_dauermessung; }
    Autospeicherung& autospeicherung() { return m_autospeicherung; }
    Lautheitsausgleich& lautheit() { return m_lautheit; }

    // Saves the queue when it holds five songs or more.
    void PlaylistSpeichern();
    // Reads the last queue, only at the program's first start: a later start
    // keeps the queue and the playing song. Then headers and start times.
    void PlaylistEinlesen();

private:
    // The queue read from the file is measured like songs taken over.
    void LautheitVormerken();

    Teile m_teile;
    PlaylistDatei m_datei;
    Wiedergabezustand m_zustand;
    Lautheitsausgleich m_lautheit;
    Zeitbalken m_zeitbalken;
    Startzeiten m_startzeiten;
    Sequenzer m_sequenzer;
    Playliste m_playliste;
    Dauermessung m_dauermessung;
    Autospeicherung m_autospeicherung;
    bool m_gelesen = false;
};

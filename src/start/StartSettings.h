#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The operator's settings, one field per key of the store, with the values a
// first run starts with. While the jukebox runs, the start window's controls
// hold the live copy; werte() of the start window reads them into this record.
struct StartSettings {
    // Range of the crossfade slider, in seconds.
    static constexpr int kFadingMin = 0;
    static constexpr int kFadingMax = 30;

    QString Pfad;
    QString PW;
    bool Zufall = false;
    bool Doppelklick = false;
    bool Maximieren = true;
    qint32 Farbe = 0xFFFF00; // cyan: red 0, green 255, blue 255
    qint32 Hintergrundfarbe = 0xFF0000; // blue
    int Fading = 10;
    bool Spiel = true;
    int Anzahl = 0;
    bool Muelleimer = false;
    bool Playliste = false;
    bool RechteMaus = false;
    bool Pause = true;
    QString Winamp;
    bool Windows = true;
    int S = 3;

    // Operator options beyond the start window, edited in the store only:
    // level songs to an even loudness, read ID3v2 tags of files without ID3v1.
    bool Lautheit = false;
    bool ID3v2 = false;

    // The first-run values, including the platform's music folder and Winamp path.
    static StartSettings defaults();

    // Items of the playlist-limit list: "unbegrenzt", then "1" to "10".
    static QStringList anzahlListe();
    // Items of the font-size list: "8", "10", "12", "18".
    static QStringList schriftgroessenListe();
    // The font size in points that list index S stands for.
    double schriftgroesse() const;
};

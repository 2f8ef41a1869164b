#pragma once

#include "library/Dateisuche.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>

class Archiv;
class MessageService;

// Fills the song archive from the music folder: every MP3 file of the folder
// and its subfolders becomes an archive row the moment it is found, unless
// its path cannot stand in the archive (Archiv::PfadDarstellbar).
class Liedersuche {
public:
    Liedersuche(Archiv& archiv, MessageService& meldungen);

    // Gets the running count for the start window's lblGefunden: as often as
    // the screen can show it (setting a label 100,000 times would cost more
    // than reading the tags), and the final count at the end.
    void setGefundenAnzeige(std::function<void(const QString& text)> anzeige);

    // The caller empties the archive first (TabelleLeeren); only the cell
    // texts are cleared here. Selects the first song afterwards.
    void Einlesen(const QString& Startordner);

private:
    void anzeigen(const QString& text);

    Archiv& m_archiv;
    Dateisuche m_suche;
    std::function<void(const QString&)> m_anzeige;
    QString m_ungezeigt;
    QElapsedTimer m_seitAnzeige;
};

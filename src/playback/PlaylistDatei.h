#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class FlexGrid;

// The playlist file "Playlist.txt": one line per queued song, the six cells
// of its row joined by ";", each line ended by CR LF. A line is Windows-1252
// when every character fits and the bytes do not read as other UTF-8 text,
// otherwise UTF-8 (a path with "ł" or Japanese letters would otherwise come
// back as "?" and the song be lost). A line break in a cell becomes a space.
class PlaylistDatei {
public:
    static const QString kName;
    // Fewer songs leave the file as it is.
    static constexpr int kMindestanzahl = 5;
    // No line we write comes near this; a longer one is not a playlist line.
    static constexpr qint64 kLaengsteZeile = 64 * 1024;

    // schreibordner: where the file is saved. leseordner: searched in order; the first that holds the file is read.
    PlaylistDatei(QString schreibordner, QStringList leseordner);
    // The program's folder, or the per-user data folder where the program's
    // folder cannot be written; a file an operator put next to the program
    // is read first even then.
    static PlaylistDatei imProgrammordner();

    // Saves through a temporary file renamed over the old one, so the old
    // file stays whole until the new one is. False when nothing was written:
    // fewer than five songs, or a read-only old file (an operator may pin a
    // start playlist that way). A failed write throws a FaultError.
    bool PlaylistSpeichern(const FlexGrid& playlist) const;
    // Appends a row per line. A line with fewer than six fields (or one far
    // too long) stops reading: the rows before it stay, and a FaultError is
    // thrown for it.
    void PlaylistEinlesen(FlexGrid& playlist) const;

    QString schreibpfad() const;
    // The file that PlaylistEinlesen reads, "" when none exists.
    QString lesepfad() const;

    static QByteArray Zeile(const QStringList& felder);
    static QString ZeileLesen(QByteArrayView bytes);

private:
    QString m_schreibordner;
    QStringList m_leseordner;
};

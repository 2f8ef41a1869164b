#pragma once

#include "library/SongTags.h"

#include <QString>

class FlexGrid;
struct Dateiende;

// The song archive: one row per MP3 file in the archive grid MSFlexGrid1,
// plus the header and column set-up that the playlist grid MSFlexGrid2
// shares. The grids' cells are the only store; no cell holds ";", the field
// separator of the playlist file.
class Archiv {
public:
    enum Spalte {
        Titel = 0,
        Interpret = 1,
        Genre = 2,
        Dauer = 3, // "Start" in the playlist
        Pfad = 4,
        Sortierschluessel = 5, // artist cell followed directly by title cell
    };

    // The reserve (width of column 3) in twips for a grid font size: a font
    // above 12 points needs the wider column for "Dauer"/"Start" and "mm:ss".
    // Spaltenbreite widens it where the measured texts would still be cut.
    static int Reserve(double schriftgroesse);

    Archiv(FlexGrid& MSFlexGrid1, FlexGrid& MSFlexGrid2);

    // Whether a path can stand in column 4 exactly as it is. A path holding
    // ";" cannot: no cell holds one, and a changed path would play or delete
    // another file.
    static bool PfadDarstellbar(const QString& Datei);

    // optYRow 0 appends a row for Datei; a row number rewrites that row in
    // place (column 3 and the row count stay). The file is read once. A path
    // that is not PfadDarstellbar gets no row and changes none.
    void EineZeileInsArchiv(const QString& Datei, int optYRow);
    // A scan's row in two steps. LiedLesen takes the texts from the end of
    // the file the scan has read; it changes nothing, so the scan's own
    // thread may run it. LiedAnfuegen appends the row; the current row stays
    // (on the first song when the archive was empty).
    SongTags LiedLesen(const QString& Datei, const Dateiende& ende) const;
    void LiedAnfuegen(const QString& Datei, const SongTags& tags);
    // Rows of files without ID3v1 tag take their texts from an ID3v2 tag (off unless set).
    void setId3v2(bool an) { m_id3v2 = an; }
    // Headers, alignment, widths and first selection; NurPlaylist leaves the archive alone.
    void TabellenBeschriften(bool NurPlaylist);
    // Leaves the grid with the header and one empty row 1.
    void TabelleLeeren(FlexGrid& FlexGrid);
    void Spaltenbreite();

    FlexGrid& archivGrid() const { return m_archiv; }

private:
    void beschriften(FlexGrid& grid, const QString& spalte3);
    static void breitenSetzen(FlexGrid& grid, int reserve);
    // The row an append writes to, after the empty row of an emptied grid went.
    int neueZeile();
    // waehlen makes the written row the current one.
    void zeileSchreiben(const QString& Datei, const SongTags& tags, int optYRow, bool waehlen);

    FlexGrid& m_archiv;
    FlexGrid& m_playlist;
    bool m_id3v2 = false;
};

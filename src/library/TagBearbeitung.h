#pragma once

#include <QString>

#include "library/SongTags.h"

class Archiv;
class FlexGrid;
class modMP3Tags;

// The archive's side of a tag edit: which row names a file to edit, what OK
// writes, and the row read again from the file afterwards.
class TagBearbeitung {
public:
    // The path in column 4 of song row zeile; empty for the header, a row
    // out of range and a row without path (the empty row of an empty archive).
    static QString Datei(const FlexGrid& archiv, int zeile);
    // OK of the editor: angezeigt is what the fields showed, eingegeben what
    // they hold now. Nothing changed writes nothing. Otherwise the title (it
    // creates a missing tag), the artist and, only when it was changed, the
    // genre ("Kein Genre" also stands for bytes past the list, which must
    // stay), all under one let-go of the player. False when the operator left
    // at a fault.
    static bool Schreiben(
        modMP3Tags& tags, const QString& datei, const SongTags& angezeigt, const SongTags& eingegeben);
    // Rewrites the row of datei from the file ("Dauer" stays) and selects it
    // across all columns. Row zeile is taken when it still holds datei;
    // otherwise the row that does, so a row that moved meanwhile never gets
    // another song's tags. Nothing happens when no row holds datei.
    static void ZeileNachlesen(Archiv& archiv, int zeile, const QString& datei);
};

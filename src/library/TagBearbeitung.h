#pragma once

#include <QString>

class Archiv;
class FlexGrid;

// The archive's side of a tag edit: which row names a file to edit, and the
// row read again from the file afterwards.
class TagBearbeitung {
public:
    // The path in column 4 of song row zeile; empty for the header, a row
    // out of range and a row without path (the empty row of an empty archive).
    static QString Datei(const FlexGrid& archiv, int zeile);
    // Rewrites the row of datei from the file ("Dauer" stays) and selects it
    // across all columns. Row zeile is taken when it still holds datei;
    // otherwise the row that does, so a row that moved meanwhile never gets
    // another song's tags. Nothing happens when no row holds datei.
    static void ZeileNachlesen(Archiv& archiv, int zeile, const QString& datei);
};

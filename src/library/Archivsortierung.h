#pragma once

class FlexGrid;

// Sorting the archive grid on the column whose header the guest touched,
// keeping the guest's song selected at the same height on the screen.
class Archivsortierung {
public:
    // The column a header sorts on: "Interpret" sorts on artist+title, so an
    // artist's songs stay in title order; the others on themselves.
    static int Sortierschluessel(int Sortierspalte);

    // Sorts all song rows ascending by character codes (case-sensitive),
    // leaves the selection on row 1 at the top and, with ZeileSuchen, finds
    // the song of row ArchivZeile again: the same file with the same texts,
    // so a copy with equal tags is never taken for it. Returns ArchivZeile as
    // it is afterwards: the song's new row, or the old value when it was not
    // found or ArchivZeile named no song row.
    static int Sortieren(FlexGrid& archiv, int Sortierspalte, int ArchivZeile, bool ZeileSuchen);

    // Whether row names a song of the archive: an existing data row with a file.
    static bool istLiedzeile(const FlexGrid& archiv, int row);
};

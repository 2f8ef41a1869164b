#pragma once

class FlexGrid;

// How the archive and the playlist follow the guest's touches and keys: the
// four arrow buttons page with a keep-distance from the top edge, and the
// archive grid turns keys, double-clicks and header touches into actions.
namespace Archivnavigation {

// Indices of the arrow buttons FunbuttonArchivNav.
enum Pfeil { ArchivHoch = 0, ArchivRunter = 1, PlaylistHoch = 2, PlaylistRunter = 3 };

inline bool istArchivpfeil(int index)
{
    return index == ArchivHoch || index == ArchivRunter;
}

// The rows the selection keeps from the top edge while paging: Scrollabstand
// on the archive, one less on the playlist, but never 0, which would page
// the selection out of view.
int Haltabstand(int index, int Scrollabstand);

// One step of arrow index on its grid. At the first or last row nothing
// moves. Returns whether the selection moved.
bool schritt(FlexGrid& grid, int index, int Scrollabstand);

// Keys on the archive grid (Windows virtual-key codes).
enum class Tastenaktion {
    Keine,
    TagEditor, // Enter
    SofortSpielen, // Space: empty the playlist and play the selected song at once
    Uebernehmen, // Right arrow
};
// Space drops the whole queue, so it acts only on a song and never while the
// playlist is full: the limit would otherwise be dodged, and without a song
// the jukebox fell silent.
Tastenaktion archivTaste(int KeyCode, bool uebernehmenAktiv, bool liedGewaehlt, bool playlistVoll);

// Before the grid moves on the Up (38) or Down (40) key: scrolls so that the
// row the selection goes to will be fully visible.
void sichtKorrektur(FlexGrid& archiv, int KeyCode);

bool doppelklickUebernimmt(bool optionDoppelklick, int MouseRow, bool uebernehmenAktiv);

// What a mouse press on the archive grid does (Button: 1 left, 2 right).
struct Mausaktion {
    bool kontextmenue = false;
    int sortierspalte = -1; // a header was touched: sort on this column
    bool tastatur = false; // ... and bring up the keyboard to search it
    bool auswahlZurueck = false; // the duration column and beyond never move the selection
};
Mausaktion mausDown(int Button, int MouseRow, int MouseCol, bool optionRechteMaus);

// Puts the selection back on ArchivZeile, when that names a song row.
void auswahlZurueck(FlexGrid& archiv, int ArchivZeile);

} // namespace Archivnavigation

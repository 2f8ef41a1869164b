#pragma once

// Columns of a playlist row. The first three and the path sit where the
// archive has them, so a row is copied cell by cell.
namespace Playlistspalte {
enum Spalte {
    Titel = 0,
    Interpret = 1,
    Genre = 2,
    Start = 3, // "HH:mm", "??:??" until computed
    Pfad = 4, // the song's identity
    Dauer = 5, // "mm:ss"
};
constexpr int kAnzahl = 6;
} // namespace Playlistspalte

// The playlist file: rows saved and read back are the same rows.

#include "Fuzz.h"

#include "common/FlexGrid.h"
#include "playback/PlaylistDatei.h"
#include "playback/Playlistspalte.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fuzz(data, size);
    FlexGrid gespeichert(Playlistspalte::kAnzahl);
    gespeichert.setRows(1 + fuzz.ConsumeIntegralInRange(PlaylistDatei::kMindestanzahl, 12));
    for (int zeile = 1; zeile < gespeichert.Rows(); ++zeile) {
        // Archive texts never hold ";" or a line break (a path with one is never saved).
        for (int spalte = 0; spalte < Playlistspalte::kAnzahl; ++spalte)
            gespeichert.setTextMatrix(zeile, spalte, Fuzz::zelle(Fuzz::text(fuzz)));
    }
    const PlaylistDatei datei(Fuzz::scratch().path(), { Fuzz::scratch().path() });
    FUZZ_CHECK(datei.PlaylistSpeichern(gespeichert));
    FlexGrid gelesen(Playlistspalte::kAnzahl);
    gelesen.setRows(1);
    datei.PlaylistEinlesen(gelesen);
    FUZZ_CHECK(gelesen.Rows() == gespeichert.Rows());
    for (int zeile = 1; zeile < gespeichert.Rows(); ++zeile) {
        for (int spalte = 0; spalte < Playlistspalte::kAnzahl; ++spalte)
            FUZZ_CHECK(gelesen.TextMatrix(zeile, spalte) == gespeichert.TextMatrix(zeile, spalte));
    }
    return 0;
}

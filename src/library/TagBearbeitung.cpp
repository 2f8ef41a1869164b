#include "library/TagBearbeitung.h"

#include "common/FlexGrid.h"
#include "errors/Procedure.h"
#include "library/Archiv.h"
#include "library/modMP3Tags.h"

namespace {

int zeileVon(const FlexGrid& grid, int zeile, const QString& datei)
{
    if (TagBearbeitung::Datei(grid, zeile) == datei)
        return zeile;
    for (int kandidat = grid.FixedRows(); kandidat < grid.Rows(); ++kandidat) {
        if (grid.TextMatrix(kandidat, Archiv::Pfad) == datei)
            return kandidat;
    }
    return 0;
}

} // namespace

QString TagBearbeitung::Datei(const FlexGrid& archiv, int zeile)
{
    if (zeile < archiv.FixedRows() || zeile >= archiv.Rows())
        return QString();
    return archiv.TextMatrix(zeile, Archiv::Pfad);
}

bool TagBearbeitung::Schreiben(
    modMP3Tags& tags, const QString& datei, const SongTags& angezeigt, const SongTags& eingegeben)
{
    Procedure proc("TagBearbeitung",
        "bool TagBearbeitung::Schreiben(modMP3Tags& tags, const QString& datei, const SongTags& angezeigt, const "
        "SongTags& eingegeben)",
        { { "datei", datei } });
    if (eingegeben == angezeigt)
        return true;
    bool weiter = true;
    tags.Freigeben(datei, [&] {
        weiter = proc.run([&] { tags.SetSongName(datei, eingegeben.titel); })
            && proc.run([&] { tags.SetBand(datei, eingegeben.interpret); })
            && (eingegeben.genre == angezeigt.genre || proc.run([&] { tags.SetSongGenre(datei, eingegeben.genre); }));
    });
    return weiter;
}

void TagBearbeitung::ZeileNachlesen(Archiv& archiv, int zeile, const QString& datei)
{
    FlexGrid& grid = archiv.archivGrid();
    const int ziel = datei.isEmpty() ? 0 : zeileVon(grid, zeile, datei);
    if (ziel == 0)
        return;
    archiv.EineZeileInsArchiv(datei, ziel);
    grid.selectRow(ziel);
}

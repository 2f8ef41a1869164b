#include "library/TagBearbeitung.h"

#include "common/FlexGrid.h"
#include "library/Archiv.h"

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

void TagBearbeitung::ZeileNachlesen(Archiv& archiv, int zeile, const QString& datei)
{
    FlexGrid& grid = archiv.archivGrid();
    const int ziel = datei.isEmpty() ? 0 : zeileVon(grid, zeile, datei);
    if (ziel == 0)
        return;
    archiv.EineZeileInsArchiv(datei, ziel);
    grid.selectRow(ziel);
}

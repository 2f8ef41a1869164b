#include "library/Archivsortierung.h"

#include "common/FlexGrid.h"
#include "common/FlexGridSort.h"
#include "library/Archiv.h"

#include <QStringList>

namespace {

// The texts a song is recognised by after the sort: the shown columns and the file.
constexpr int kErkennungsspalten = Archiv::Pfad + 1;

QStringList erkennung(const FlexGrid& archiv, int row)
{
    QStringList texte;
    for (int col = 0; col < kErkennungsspalten; ++col)
        texte << archiv.TextMatrix(row, col);
    return texte;
}

// The song among the rows just sorted on column spalte: only the run of rows
// whose key equals the song's key can hold it, so bisect to that run.
int wiederfinden(
    const FlexGrid& archiv, int spalte, FlexGridOrder ordnung, const QString& schluessel, const QStringList& lied)
{
    const int von = partitionRow(1, archiv.Rows(),
        [&](int row) { return lessInOrder(archiv.TextView(row, spalte), schluessel, ordnung); });
    for (int row = von; row < archiv.Rows() && archiv.TextView(row, spalte) == schluessel; ++row) {
        // The path first: it alone almost always decides.
        if (archiv.TextView(row, Archiv::Pfad) == lied[Archiv::Pfad] && erkennung(archiv, row) == lied)
            return row;
    }
    return 0;
}

} // namespace

int Archivsortierung::Sortierschluessel(int Sortierspalte)
{
    return Sortierspalte == Archiv::Interpret ? Archiv::Sortierschluessel : Sortierspalte;
}

bool Archivsortierung::istLiedzeile(const FlexGrid& archiv, int row)
{
    return row >= 1 && row < archiv.Rows() && !archiv.TextMatrix(row, Archiv::Pfad).isEmpty();
}

int Archivsortierung::Sortieren(FlexGrid& archiv, int Sortierspalte, int ArchivZeile, bool ZeileSuchen)
{
    if (archiv.Rows() < 2)
        return ArchivZeile;
    const bool merken = ZeileSuchen && istLiedzeile(archiv, ArchivZeile);
    const int abstand = ArchivZeile - archiv.TopRow();
    const int spalte = Sortierschluessel(Sortierspalte);
    const QStringList lied = merken ? erkennung(archiv, ArchivZeile) : QStringList();
    const QString schluessel = merken ? archiv.TextMatrix(ArchivZeile, spalte) : QString();

    archiv.setRedraw(false);
    archiv.setRow(1);
    archiv.setRowSel(archiv.Rows() - 1);
    archiv.setCol(spalte);
    // Durations have no fixed number of digits ("112:07"): they sort by value.
    const FlexGridOrder ordnung = Sortierspalte == Archiv::Dauer ? FlexGridOrder::Value : FlexGridOrder::Codes;
    archiv.Sort(ordnung);
    archiv.setRow(1);
    archiv.setRedraw(true);
    archiv.setTopRow(1);

    const int row = merken ? wiederfinden(archiv, spalte, ordnung, schluessel, lied) : 0;
    if (row > 0) {
        archiv.setRow(row);
        if (row - abstand >= 1 && row - abstand < archiv.Rows())
            archiv.setTopRow(row - abstand);
        else if (row < abstand)
            archiv.setTopRow(row);
        ArchivZeile = row;
    }
    archiv.selectRow(archiv.Row());
    return ArchivZeile;
}

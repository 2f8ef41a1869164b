// Sorting and searching the archive against a plain reading of its rows: the
// rows end in order with none lost, the guest's song is found again, and the
// search (which bisects a sorted column) finds the first row a scan finds.

#include "Fuzz.h"

#include "common/FlexGrid.h"
#include "common/FlexGridSort.h"
#include "library/Archiv.h"
#include "library/Archivsortierung.h"
#include "library/Archivsuche.h"

#include <algorithm>

namespace {

QStringList zeile(const FlexGrid& archiv, int row)
{
    QStringList texte;
    for (int col = 0; col < archiv.Cols(); ++col)
        texte << archiv.TextMatrix(row, col);
    return texte;
}

QList<QStringList> zeilen(const FlexGrid& archiv)
{
    QList<QStringList> alle;
    for (int row = 1; row < archiv.Rows(); ++row)
        alle << zeile(archiv, row);
    std::sort(alle.begin(), alle.end());
    return alle;
}

int gelesen(const FlexGrid& archiv, int spalte, const QString& text)
{
    for (int row = 1; row < archiv.Rows(); ++row) {
        if (archiv.TextMatrix(row, spalte).startsWith(text, Qt::CaseInsensitive))
            return row;
    }
    return 0;
}

// Short texts from a few letters, so that rows share prefixes and differ in
// case: among them letters whose case fold is another letter (Kelvin sign,
// long s, capital sharp s).
QString kurz(FuzzedDataProvider& fuzz)
{
    static const QStringList buchstaben
        = QString::fromUtf8("a,A,s,S,\u017F,\u00DF,\u1E9E,k,K,\u212A,\u00E4,\u00C4,\U0001D11E, ").split(',');
    QString text;
    for (int n = fuzz.ConsumeIntegralInRange(0, 4); n > 0; --n)
        text += buchstaben[fuzz.ConsumeIntegralInRange<int>(0, int(buchstaben.size()) - 1)];
    return fuzz.ConsumeBool() ? text : Fuzz::text(fuzz, 6);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fuzz(data, size);
    FlexGrid archiv;
    archiv.setRows(1 + fuzz.ConsumeIntegralInRange(0, 40));
    for (int row = 1; row < archiv.Rows(); ++row) {
        const QString titel = kurz(fuzz), interpret = kurz(fuzz);
        archiv.setRowTexts(row,
            { titel, interpret, kurz(fuzz), kurz(fuzz),
                QStringLiteral("/m/%1.mp3").arg(fuzz.ConsumeIntegralInRange(0, 9)), interpret + titel });
    }
    const int sortierspalte = fuzz.ConsumeIntegralInRange(0, 3);
    const int archivZeile = fuzz.ConsumeIntegralInRange(0, archiv.Rows());
    const QStringList lied
        = Archivsortierung::istLiedzeile(archiv, archivZeile) ? zeile(archiv, archivZeile) : QStringList();
    const QList<QStringList> vorher = zeilen(archiv);

    const int gefunden = Archivsortierung::Sortieren(archiv, sortierspalte, archivZeile, true);
    FUZZ_CHECK(zeilen(archiv) == vorher);
    const int schluessel = Archivsortierung::Sortierschluessel(sortierspalte);
    // Durations go by their value, every other column by character codes.
    const FlexGridOrder ordnung = sortierspalte == Archiv::Dauer ? FlexGridOrder::Value : FlexGridOrder::Codes;
    for (int row = 2; row < archiv.Rows(); ++row)
        FUZZ_CHECK(!lessInOrder(archiv.TextView(row, schluessel), archiv.TextView(row - 1, schluessel), ordnung));
    FUZZ_CHECK(lied.isEmpty() ? gefunden == archivZeile : zeile(archiv, gefunden) == lied);

    // A row rewritten after the sort (a tag edit) leaves the rows out of order: the search must not rely on it.
    if (const int row = archiv.Rows() - 1; row > 0 && fuzz.ConsumeBool()) {
        archiv.setTextMatrix(row, fuzz.ConsumeIntegralInRange(0, 3), kurz(fuzz));
        archiv.setTextMatrix(row, Archiv::Sortierschluessel,
            archiv.TextMatrix(row, Archiv::Interpret) + archiv.TextMatrix(row, Archiv::Titel));
    }
    while (fuzz.remaining_bytes() > 0) {
        const int spalte = fuzz.ConsumeIntegralInRange(0, 5);
        const QString text = kurz(fuzz);
        if (!text.isEmpty())
            FUZZ_CHECK(Archivsuche::ersteZeile(archiv, spalte, text) == gelesen(archiv, spalte, text));
    }
    return 0;
}

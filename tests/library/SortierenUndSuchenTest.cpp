#include "LibraryTest.h"

#include "library/Archiv.h"
#include "library/Archivsortierung.h"
#include "library/Archivsuche.h"

namespace {

struct Lied {
    QString titel, interpret, pfad;
};

// An archive grid with a view of 4 rows and the given songs in this order.
void fuellen(FlexGrid& archiv, const std::vector<Lied>& lieder)
{
    archiv.setRows(1);
    for (const Lied& lied : lieder) {
        archiv.AddItem(lied.titel);
        archiv.setRowTexts(archiv.Rows() - 1,
            { lied.titel, lied.interpret, QStringLiteral("Rock"), QString(), lied.pfad, lied.interpret + lied.titel });
    }
    archiv.setVisibleRowCount(4);
}

const std::vector<Lied> kLieder = {
    { "Zebra", "Beta", "/m/1.mp3" },
    { "apfel", "Alpha", "/m/2.mp3" },
    { "Birne", "Alpha", "/m/3.mp3" },
    { "Ärger", "Gamma", "/m/4.mp3" },
    { "Dach", "alpha", "/m/5.mp3" },
    { "Eis", "Beta", "/m/6.mp3" },
    { "Unbekannter Titel", "Unbekannter Interpret", "/m/a/copy.mp3" },
    { "Unbekannter Titel", "Unbekannter Interpret", "/m/b/copy.mp3" },
};

// The grid's tests and the sort fuzz harness check the order of texts; here, the column that sorts by value.
TEST(ArchivsortierungTest, DurationsSortByTheirValueUnmeasuredFirst)
{
    FlexGrid archiv;
    fuellen(archiv, kLieder);
    // Minutes are not wrapped; the guest's song is found again.
    const QStringList dauern = { "112:07", "03:00", "", "12:00", "05:00", "", "100:00", "99:59" };
    for (int row = 1; row < archiv.Rows(); ++row)
        archiv.setTextMatrix(row, Archiv::Dauer, dauern[row - 1]);
    EXPECT_EQ(Archivsortierung::Sortieren(archiv, Archiv::Dauer, 1, true), 8);
    EXPECT_EQ(spalte(archiv, Archiv::Dauer),
        (QStringList { "", "", "03:00", "05:00", "12:00", "99:59", "100:00", "112:07" }));
}

TEST(ArchivsortierungTest, GuestsSongStaysSelectedAtTheSameHeightEvenAmongEqualCopies)
{
    // ArchivZeile and top row before the sort, and after. Sorted by artist: row 8 (copy b)
    // becomes 7, row 1 ("Zebra") 4, row 3 ("Birne") 1.
    const std::tuple<const char*, int, int, int, int> faelle[] = {
        { "copy b, not its twin, keeps distance 3", 8, 5, 7, 4 },
        { "Zebra keeps distance 0", 1, 1, 4, 4 },
        { "Birne cannot keep distance 2 above row 1", 3, 1, 1, 1 },
    };
    for (const auto& [name, vorher, top, nachher, topNachher] : faelle) {
        FlexGrid archiv;
        fuellen(archiv, kLieder);
        archiv.setTopRow(top);
        const int zeile = Archivsortierung::Sortieren(archiv, Archiv::Interpret, vorher, true);
        EXPECT_EQ(std::tuple(zeile, archiv.TopRow(), archiv.Row()), std::tuple(nachher, topNachher, nachher)) << name;
    }
}

TEST(ArchivsucheTest, EachKeyJumpsToTheFirstMatchInTheSearchColumn)
{
    FlexGrid archiv;
    fuellen(archiv, kLieder);
    Archivsortierung::Sortieren(archiv, Archiv::Interpret, 0, false);
    // Sort column, key; the search text and the row it finds (0: nothing moves).
    const std::tuple<int, const char*, const char*, int> schritte[] = {
        { Archiv::Interpret, "B", "B", 3 }, // column 1 itself, although the sort was on column 5
        { Archiv::Interpret, "X", "BX", 0 }, { Archiv::Interpret, "{BACKSPACE}", "B", 3 },
        { Archiv::Interpret, "{BACKSPACE}", "", 0 }, { Archiv::Interpret, "a", "A", 1 },
        { Archiv::Titel, "{BACKSPACE}", "", 0 }, { Archiv::Titel, "ä", "Ä", 5 }, // an umlaut, either case
        { Archiv::Titel, "{BACKSPACE}", "", 0 }, { Archiv::Titel, "d", "D", 8 }, // "Dach", lower-case artist last
    };
    Archivsuche suche;
    int stelle = archiv.Row();
    for (const auto& [sortierspalte, taste, text, erwartet] : schritte) {
        const int zeile = suche.KeyClick(archiv, sortierspalte, QString::fromUtf8(taste));
        stelle = zeile > 0 ? zeile : stelle;
        EXPECT_EQ(
            std::tuple(suche.Suchtext(), zeile, archiv.Row()), std::tuple(QString::fromUtf8(text), erwartet, stelle))
            << taste;
        if (zeile > 0) {
            EXPECT_EQ(archiv.TopRow(), std::min(zeile, archiv.Rows() - 4)) << text;
        }
    }
}

} // namespace

#include "LibraryTest.h"

#include "common/FlexGrid.h"
#include "library/Archiv.h"

#include <QAbstractItemModelTester>

namespace {

class ArchivTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        MSFlexGrid1.AddItem("alt");
        archiv.TabelleLeeren(MSFlexGrid1);
        archiv.TabelleLeeren(MSFlexGrid2);
    }

    QStringList zeile(int row) const
    {
        QStringList cells;
        for (int col = 0; col < MSFlexGrid1.Cols(); ++col)
            cells << MSFlexGrid1.TextMatrix(row, col);
        return cells;
    }

    FlexGrid MSFlexGrid1;
    FlexGrid MSFlexGrid2;
    QAbstractItemModelTester tester1 { &MSFlexGrid1 };
    Archiv archiv { MSFlexGrid1, MSFlexGrid2 };
};

TEST_F(ArchivTest, FirstSongReplacesTheEmptyRowAndSemicolonsBecomeUnderscores)
{
    EXPECT_EQ(MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(MSFlexGrid1.FixedRows(), 1);
    EXPECT_EQ(zeile(0), QStringList({ "Titel", "Interpret", "Genre", "Dauer", "", "" }));
    EXPECT_EQ(zeile(1), QStringList({ "", "", "", "", "", "" }));

    // ";" separates the fields of the saved archive.
    const QString a = Songs::write(music(), "a.mp3", Songs::tag("Liebe; Lust", "Bernd;Anna", 13));
    const QString b = Songs::write(music(), "b.mp3", Songs::tag("Zweites Lied", "Bernd", 17));
    archiv.EineZeileInsArchiv(a, 0);
    EXPECT_EQ(MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(MSFlexGrid1.Row(), 1);
    EXPECT_EQ(zeile(1), QStringList({ "Liebe_ Lust", "Bernd_Anna", "Pop", "", a, "Bernd_AnnaLiebe_ Lust" }));

    archiv.EineZeileInsArchiv(b, 0);
    EXPECT_EQ(MSFlexGrid1.Rows(), 3);
    EXPECT_EQ(MSFlexGrid1.Row(), 2);
    EXPECT_EQ(zeile(1)[0], "Liebe_ Lust");
    EXPECT_EQ(zeile(2), QStringList({ "Zweites Lied", "Bernd", "Rock", "", b, "BerndZweites Lied" }));
}

TEST_F(ArchivTest, PathWithSemicolonGetsNoRowAndChangesNone)
{
    // Changed to "Rock_Pop/Lied_1.mp3" it would name another file, which
    // playing or deleting would then hit.
    const QString datei = Songs::write(music(), "Rock;Pop/Lied;1.mp3", Songs::tag("Lied", "Bernd", 13));
    Songs::write(music(), "Rock_Pop/Lied_1.mp3", Songs::tag("Anderes", "Anna", 17));
    EXPECT_FALSE(Archiv::PfadDarstellbar(datei));

    archiv.EineZeileInsArchiv(datei, 0);
    EXPECT_EQ(zeile(1), QStringList({ "", "", "", "", "", "" }));

    const QString gut = Songs::write(music(), "gut.mp3", Songs::tag("Gut", "Anna", 0));
    archiv.EineZeileInsArchiv(gut, 0);
    archiv.EineZeileInsArchiv(datei, 1);
    EXPECT_EQ(MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(zeile(1), QStringList({ "Gut", "Anna", "Blues", "", gut, "AnnaGut" }));
}

TEST_F(ArchivTest, FallbacksForEmptyTitleMissingTagAndMissingFile)
{
    archiv.EineZeileInsArchiv(Songs::write(music(), "leer.mp3", Songs::tag("", "Chor", 255)), 0);
    archiv.EineZeileInsArchiv(Songs::write(music(), "ohne.mp3"), 0);
    archiv.EineZeileInsArchiv(music() + "/weg.mp3", 0);

    EXPECT_EQ(zeile(1).mid(0, 3), QStringList({ "Unbekannt", "Chor", "Kein Genre" }));
    EXPECT_EQ(zeile(2).mid(0, 3), QStringList({ "Unbekannter Titel", "Unbekannter Interpret", "Kein Genre" }));
    EXPECT_EQ(zeile(2)[5], "Unbekannter InterpretUnbekannter Titel");
    EXPECT_EQ(zeile(3).mid(0, 3), QStringList({ "Unbekannter Titel", "", "Kein Genre" }));
    EXPECT_TRUE(errors.reports.isEmpty());
}

TEST_F(ArchivTest, RowNumberRewritesThatRowInPlace)
{
    const QString a = Songs::write(music(), "a.mp3", Songs::tag("A", "Anna", 0));
    archiv.EineZeileInsArchiv(a, 0);
    archiv.EineZeileInsArchiv(Songs::write(music(), "b.mp3", Songs::tag("B", "Bernd", 0)), 0);
    MSFlexGrid1.setTextMatrix(1, Archiv::Dauer, "03:15");

    Songs::write(music(), "a.mp3", Songs::tag("A neu", "Anna neu", 8));
    archiv.EineZeileInsArchiv(a, 1);

    EXPECT_EQ(MSFlexGrid1.Rows(), 3);
    EXPECT_EQ(MSFlexGrid1.Row(), 1);
    EXPECT_EQ(zeile(1), QStringList({ "A neu", "Anna neu", "Jazz", "03:15", a, "Anna neuA neu" }));
    EXPECT_EQ(zeile(2)[0], "B");
}

TEST_F(ArchivTest, LabellingThePlaylistAloneLeavesTheArchiveAlone)
{
    archiv.EineZeileInsArchiv(Songs::write(music(), "a.mp3", Songs::tag("A", "Anna", 0)), 0);
    archiv.EineZeileInsArchiv(Songs::write(music(), "b.mp3", Songs::tag("B", "Bernd", 0)), 0);
    MSFlexGrid1.setTextMatrix(0, 3, "x");
    MSFlexGrid2.Clear();

    archiv.TabellenBeschriften(true);
    EXPECT_EQ(MSFlexGrid1.Row(), 2);
    EXPECT_EQ(MSFlexGrid1.TextMatrix(0, 3), "x");
    EXPECT_EQ(MSFlexGrid2.TextMatrix(0, 3), "Start");
}

TEST_F(ArchivTest, ColumnWidthsShareTheWidthLessTheReserve)
{
    auto breiten = [](const FlexGrid& grid) {
        return QList<int> { grid.ColWidth(0), grid.ColWidth(1), grid.ColWidth(2), grid.ColWidth(3) };
    };
    MSFlexGrid1.setWidth(10000);
    MSFlexGrid2.setWidth(6001);

    MSFlexGrid1.setFontSize(18);
    archiv.Spaltenbreite();
    EXPECT_EQ(breiten(MSFlexGrid1), QList<int>({ 3520, 3520, 1760, 1200 }));
    EXPECT_EQ(breiten(MSFlexGrid2), QList<int>({ 1920, 1920, 960, 1200 })); // 4801 * 0.4 = 1920.4

    // The archive's font size decides the reserve of both grids.
    MSFlexGrid1.setFontSize(12);
    archiv.Spaltenbreite();
    EXPECT_EQ(breiten(MSFlexGrid2), QList<int>({ 2080, 2080, 1040, 800 }));
}

} // namespace

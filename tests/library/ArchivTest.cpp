#include "LibraryTest.h"

#include "common/Twips.h"
#include "library/Archiv.h"
#include "library/Liedersuche.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QSet>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#endif

namespace {

// The archive grid, filled row by row or by a scan of music().
class ArchivTest : public LibraryTest {
protected:
    void SetUp() override
    {
        MSFlexGrid1.AddItem("alt");
        archiv.TabelleLeeren(MSFlexGrid1);
        archiv.TabelleLeeren(MSFlexGrid2);
        suche.setGefundenAnzeige([this](const QString& text) { lblGefunden = text; });
    }

    QStringList zeile(int row) const { return ::zeile(MSFlexGrid1, row); }
    QStringList spalte(int col = Archiv::Pfad) const { return ::spalte(MSFlexGrid1, col); }
    QSet<QString> pfadMenge() const
    {
        const QStringList pfade = spalte();
        return { pfade.begin(), pfade.end() };
    }

    QString song(const QString& relativePath) { return Songs::write(music(), relativePath, Songs::tag("T", "B", 0)); }

    FlexGrid MSFlexGrid1;
    FlexGrid MSFlexGrid2;
    QAbstractItemModelTester tester1 { &MSFlexGrid1 };
    Archiv archiv { MSFlexGrid1, MSFlexGrid2 };
    RecordingMessages meldungen;
    Liedersuche suche { archiv, meldungen };
    QString lblGefunden;
};

// The cell texts themselves are the tag reader's: here, where a row goes.
TEST_F(ArchivTest, FirstSongReplacesTheEmptyRowLaterOnesAppendARowNumberRewritesInPlaceAndSemicolonsAreRefused)
{
    const QString a = Songs::write(music(), "a.mp3", Songs::tag("Erstes", "Bernd", 13));
    const QString b = Songs::write(music(), "b.mp3", Songs::tag("Zweites Lied", "Bernd", 17));
    archiv.EineZeileInsArchiv(a, 0);
    archiv.EineZeileInsArchiv(b, 0);
    EXPECT_EQ(std::tuple(MSFlexGrid1.Rows(), MSFlexGrid1.Row(), zeile(2)),
        std::tuple(3, 2, QStringList({ "Zweites Lied", "Bernd", "Rock", "", b, "BerndZweites Lied" })));

    MSFlexGrid1.setTextMatrix(1, Archiv::Dauer, "03:15");
    Songs::write(music(), "a.mp3", Songs::tag("A neu", "Anna neu", 8));
    archiv.EineZeileInsArchiv(a, 1);
    EXPECT_EQ(std::tuple(MSFlexGrid1.Rows(), MSFlexGrid1.Row(), zeile(1)),
        std::tuple(3, 1, QStringList({ "A neu", "Anna neu", "Jazz", "03:15", a, "Anna neuA neu" })));

    // Changed to "Rock_Pop/Lied_1.mp3" such a path would name another file,
    // which playing or deleting would then hit: it gets no row and changes none.
    const QString semikolon = Songs::write(music(), "Rock;Pop/Lied;1.mp3", Songs::tag("Lied", "Bernd", 13));
    archiv.EineZeileInsArchiv(semikolon, 0);
    archiv.EineZeileInsArchiv(semikolon, 1);
    EXPECT_EQ(std::pair(MSFlexGrid1.Rows(), zeile(1)[0]), std::pair(3, QStringLiteral("A neu")));

    archiv.EineZeileInsArchiv(music() + "/weg.mp3", 2);
    EXPECT_EQ(zeile(2).mid(0, 3), QStringList({ "Unbekannter Titel", "", "Kein Genre" })) << "a missing file";
    EXPECT_TRUE(errors.reports.isEmpty());
}

TEST_F(ArchivTest, TheReserveColumnHoldsItsTextsAtEveryFontSize)
{
    MSFlexGrid1.setWidth(10000);
    MSFlexGrid2.setWidth(6001);
    // The archive's font size decides the reserve of both grids; at every offered size the bold
    // header and the longest duration fit between the cells' 3-pixel margins.
    for (const double punkte : { 8.0, 12.0, 18.0 }) {
        SCOPED_TRACE(punkte);
        MSFlexGrid1.setFontSize(punkte);
        archiv.Spaltenbreite();
        const int reserve = MSFlexGrid1.ColWidth(3);
        EXPECT_EQ(std::pair(MSFlexGrid2.ColWidth(3), reserve >= (punkte > 12 ? 1200 : 800)), std::pair(reserve, true));
        for (const auto& [fett, text] : { std::pair { true, "Dauer" }, { true, "Start" }, { false, "000:00" } }) {
            QFont schrift = QApplication::font();
            schrift.setPointSizeF(punkte);
            schrift.setBold(fett);
            EXPECT_LE(QFontMetrics(schrift).horizontalAdvance(text) + 6, twipsToPixels(reserve)) << text;
        }
    }
}

TEST_F(ArchivTest, NothingToScanLeavesTheEmptyArchiveAndWarnsOnlyOfAMissingFolder)
{
    MSFlexGrid1.setTextMatrix(1, 0, "bleibt");
    suche.Einlesen("   ");
    EXPECT_EQ(
        std::pair(MSFlexGrid1.TextMatrix(1, 0), meldungen.shown), std::pair(QStringLiteral("bleibt"), QStringList()));

    suche.Einlesen(music() + "/Fehlt");
    EXPECT_EQ(meldungen.shown,
        QStringList("Der angegebene Ordner \"" + music()
            + "/Fehlt\" wurde nicht gefunden!\nBitte geben Sie beim Starten einen gültigen Ordner an!"));
    EXPECT_EQ(meldungen.icons, QList({ MessageService::Icon::Critical }));
    EXPECT_EQ(
        std::pair(spalte(0), MSFlexGrid1.TextMatrix(0, 0)), std::pair(QStringList({ "" }), QStringLiteral("Titel")));
}

// The archive file separates fields by ";": such paths are neither listed nor counted.
TEST_F(ArchivTest, ScanListsFolderFilesFirstThenSubfoldersDepthFirstSkippingSystemAndSemicolonPaths)
{
    const QStringList oben = { song("a.mp3"), song("b.mp3") };
    const QStringList alle
        = oben + QStringList { song("A/a1.mp3"), song("A/X/x1.mp3"), song("A/X/Tief/t.mp3"), song("B/Y/y1.mp3") };
    QDir().mkpath(music() + "/Leer");
    for (const char* name : { "System Volume Information/a.mp3", "system volume INFORMATION/Tiefer/b.mp3", "Lied;1.mp3",
             "Rock;Pop/a.mp3", "Rock;Pop/Tiefer/b.mp3" })
        song(name);

    suche.Einlesen(music() + "/");

    const QStringList gefunden = spalte();
    EXPECT_EQ(std::tuple(pfadMenge(), gefunden.size(), lblGefunden),
        std::tuple(QSet<QString>(alle.begin(), alle.end()), alle.size(), QStringLiteral("Gefundene Lieder: 6")));
    EXPECT_EQ(QSet<QString>(gefunden.begin(), gefunden.begin() + 2), QSet<QString>(oben.begin(), oben.end()));
    QString ordner; // of each song below the top: the first folder on its path
    for (const QString& pfad : gefunden.mid(2))
        ordner += pfad.at(music().size() + 1);
    EXPECT_TRUE(ordner == "AAAB" || ordner == "BAAA") << "depth first: " << ordner.toStdString();

    archiv.TabelleLeeren(MSFlexGrid1);
    suche.Einlesen(music() + "/system volume INFORMATION");
    EXPECT_EQ(std::pair(spalte(), meldungen.shown), std::pair(QStringList({ "" }), QStringList()));
}

TEST_F(ArchivTest, OnlyMp3FilesAreSongsHiddenOrNotOddNamesIncludedAndSkippedEntriesStaySilent)
{
    QSet<QString> erwartet = { song(".versteckt.mp3"), song("LAUT.MP3"), song(".Versteckter Ordner/a.Mp3"),
        song("Ordner.mp3/innen.mp3"), song(QString::fromUtf8("Grüße.mp3")) };
    for (const char* andere : { "notiz.txt", "lied.mp3.bak", "lied.mp4" })
        song(andere);
    Mp3Frames::writeFile(music() + "/leer.mp3", {});
#ifdef Q_OS_LINUX
    // Beside "a\" a folder "a" whose song a path cut at the backslash would list twice.
    erwartet += { song("a\\/x.mp3"), song("a\\/b/y.mp3"), song("a/x.mp3") };
    QFile::link(music() + "/gibtsnicht.mp3", music() + "/kaputt.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(music() + "/rohr.mp3").constData(), 0644), 0);
    // Names that are not valid UTF-8, made through the standard library: Qt cannot name them.
    const std::filesystem::path ordner = QFile::encodeName(music()).toStdString();
    std::ofstream(ordner / "kaputt\xff.mp3") << Songs::audio().toStdString();
    std::filesystem::create_directory(ordner / "Ordner\xfe");
    std::ofstream(ordner / "Ordner\xfe" / "innen.mp3") << Songs::audio().toStdString();
    ASSERT_TRUE(std::filesystem::exists(ordner / "Ordner\xfe" / "innen.mp3"));
#endif

    suche.Einlesen(music());
    EXPECT_EQ(std::pair(pfadMenge(), spalte().size()), std::pair(erwartet, erwartet.size())) << "no song twice";
    EXPECT_EQ(meldungen.shown.size() + errors.reports.size(), 0);
#ifdef Q_OS_LINUX
    std::filesystem::remove_all(ordner);
#endif
}

#ifdef Q_OS_UNIX
TEST_F(ArchivTest, SymbolicLinksNeitherLoopNorListASongTwice)
{
    const QString echt = song("A/echt.mp3");
    QTemporaryDir aussen;
    const QString fremd = Songs::write(aussen.path(), "fremd.mp3");
    QFile::link(music(), music() + "/A/zurueck"); // points back up: would loop
    QFile::link(music() + "/A", music() + "/B"); // the same folder again
    QFile::link(echt, music() + "/verweis.mp3"); // the same file again
    QFile::link(fremd, music() + "/A/fremd.mp3"); // a file outside: listed once
    QFile::link(fremd, music() + "/A/nochmal.mp3");
    const QString nachbar = song("C/nachbar.mp3");
    QFile::link(nachbar, music() + "/C/nachbar-verweis.mp3"); // listed before or after its target

    suche.Einlesen(music());

    const auto ziele = [](const QStringList& pfade) {
        QStringList kanonisch;
        for (const QString& pfad : pfade)
            kanonisch << QFileInfo(pfad).canonicalFilePath();
        kanonisch.sort();
        return kanonisch;
    };
    EXPECT_EQ(ziele(spalte()), ziele({ echt, fremd, nachbar }));
}

TEST_F(ArchivTest, UnreadableFolderIsSkippedAndTheScanGoesOn)
{
    const QString gut = song("gut.mp3");
    const QString danach = song("Z/danach.mp3");
    song("Gesperrt/a.mp3");
    QFile::setPermissions(music() + "/Gesperrt", QFileDevice::Permissions());
    const bool gesperrt = QDir(music() + "/Gesperrt").entryList(QDir::Files).isEmpty();

    suche.Einlesen(music());
    QFile::setPermissions(
        music() + "/Gesperrt", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!gesperrt)
        GTEST_SKIP() << "running with rights that read every folder";
    EXPECT_EQ(std::pair(pfadMenge(), meldungen.shown), std::pair(QSet<QString>({ gut, danach }), QStringList()));
}
#endif

TEST_F(ArchivTest, FilesVanishingDuringTheScanAreSkipped)
{
    for (int i = 0; i < 20; ++i)
        song(QString("lied%1.mp3").arg(i));
    const QString spaeter = song("Unter/spaeter.mp3");
    // Runs while the scan processes events after the first entry of the
    // listing (a song or the subfolder): the songs not listed yet vanish.
    QStringList vorher;
    QTimer::singleShot(0, [&] {
        vorher = spalte();
        vorher.removeAll(QString()); // the empty row of the emptied grid
        for (int i = 0; i < 20; ++i) {
            const QString pfad = music() + QString("/lied%1.mp3").arg(i);
            if (!vorher.contains(pfad))
                QFile::remove(pfad);
        }
    });

    suche.Einlesen(music());
    ASSERT_LE(vorher.size(), 1);
    EXPECT_EQ(spalte(), vorher + QStringList({ spaeter }));
    EXPECT_EQ(lblGefunden, QString("Gefundene Lieder: %1").arg(vorher.size() + 1));
    EXPECT_EQ(meldungen.shown.size() + errors.reports.size(), 0);
}

} // namespace

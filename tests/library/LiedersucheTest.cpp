#include "LibraryTest.h"
#include "ScanTree.h"
#include "Songs.h"

#include "common/FlexGrid.h"
#include "library/Archiv.h"
#include "library/Liedersuche.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTimer>

#include <filesystem>
#include <fstream>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

class LiedersucheTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        archiv.TabelleLeeren(MSFlexGrid1);
        suche.setGefundenAnzeige([this](const QString& text) {
            lblGefunden = text;
            if (beiJedemFund)
                beiJedemFund();
        });
    }

    // The paths in column 4, in archive order.
    QStringList pfade() const
    {
        QStringList result;
        for (int row = 1; row < MSFlexGrid1.Rows(); ++row)
            result << MSFlexGrid1.TextMatrix(row, Archiv::Pfad);
        return result;
    }

    // Column 0 of every row by its path in column 4.
    QMap<QString, QString> titelJePfad() const
    {
        QMap<QString, QString> result;
        for (int row = 1; row < MSFlexGrid1.Rows(); ++row)
            result.insert(MSFlexGrid1.TextMatrix(row, Archiv::Pfad), MSFlexGrid1.TextMatrix(row, Archiv::Titel));
        return result;
    }

    QString song(const QString& relativePath) { return Songs::write(music(), relativePath, Songs::tag("T", "B", 0)); }

    FlexGrid MSFlexGrid1;
    FlexGrid MSFlexGrid2;
    Archiv archiv { MSFlexGrid1, MSFlexGrid2 };
    RecordingMessages meldungen;
    Liedersuche suche { archiv, meldungen };
    QString lblGefunden;
    std::function<void()> beiJedemFund;
};

TEST_F(LiedersucheTest, EmptyFolderTextDoesNothing)
{
    MSFlexGrid1.setTextMatrix(1, 0, "bleibt");
    suche.Einlesen("   ");
    EXPECT_EQ(MSFlexGrid1.TextMatrix(1, 0), "bleibt");
    EXPECT_TRUE(meldungen.shown.isEmpty());
}

TEST_F(LiedersucheTest, MissingFolderShowsTheCriticalMessageOnceAndAddsNothing)
{
    suche.Einlesen(music() + "/Fehlt");
    ASSERT_EQ(meldungen.shown.size(), 1);
    EXPECT_EQ(meldungen.icons[0], MessageService::Icon::Critical);
    EXPECT_EQ(meldungen.shown[0],
        "Der angegebene Ordner \"" + music()
            + "/Fehlt\" wurde nicht gefunden!\n"
              "Bitte geben Sie beim Starten einen gültigen Ordner an!");
    EXPECT_EQ(MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(MSFlexGrid1.TextMatrix(1, 0), "");
    EXPECT_EQ(MSFlexGrid1.TextMatrix(0, 0), "Titel");
}

TEST_F(LiedersucheTest, FolderFilesComeFirstThenSubfoldersDepthFirst)
{
    const QStringList alle = { song("a.mp3"), song("b.mp3"), song("A/a1.mp3"), song("A/X/x1.mp3"), song("A/X/x2.mp3"),
        song("A/X/Tief/t.mp3"), song("B/b1.mp3"), song("B/Y/y1.mp3"), song("C/c1.mp3") };
    QDir().mkpath(music() + "/Leer");

    suche.Einlesen(music());

    const QStringList gefunden = pfade();
    EXPECT_EQ(QSet<QString>(gefunden.begin(), gefunden.end()), QSet<QString>(alle.begin(), alle.end()));
    EXPECT_EQ(gefunden.size(), alle.size());
    EXPECT_TRUE(ScanTree::isDepthFirstWithFilesFirst(music(), gefunden)) << gefunden.join('\n').toStdString();
    EXPECT_EQ(lblGefunden, "Gefundene Lieder: 9");
}

TEST_F(LiedersucheTest, RowsCarryTagsPathAndSortKey)
{
    const QString mitTag = Songs::write(music(), "mit.mp3", Songs::tag("Erstes Lied", "Anna", 13));
    const QString ohneTag = Songs::write(music(), "Unter/ohne.mp3");
    const QString ohneTitel = Songs::write(music(), "leer.mp3", Songs::tag("", "Chor", 255));

    suche.Einlesen(music());

    QMap<QString, QStringList> zeilen;
    for (int row = 1; row < MSFlexGrid1.Rows(); ++row) {
        QStringList zellen;
        for (int col = 0; col < MSFlexGrid1.Cols(); ++col)
            zellen << MSFlexGrid1.TextMatrix(row, col);
        zeilen.insert(zellen[Archiv::Pfad], zellen);
    }
    EXPECT_EQ(zeilen,
        (QMap<QString, QStringList> { { mitTag, { "Erstes Lied", "Anna", "Pop", "", mitTag, "AnnaErstes Lied" } },
            { ohneTag,
                { "Unbekannter Titel", "Unbekannter Interpret", "Kein Genre", "", ohneTag,
                    "Unbekannter InterpretUnbekannter Titel" } },
            { ohneTitel, { "Unbekannt", "Chor", "Kein Genre", "", ohneTitel, "ChorUnbekannt" } } }));
    EXPECT_TRUE(errors.reports.isEmpty());
}

TEST_F(LiedersucheTest, FirstSongIsSelectedAndHeadersWrittenAgain)
{
    song("a.mp3");
    song("b.mp3");
    MSFlexGrid1.setRow(0);
    suche.Einlesen(music() + "/");

    EXPECT_EQ(MSFlexGrid1.Rows(), 3);
    EXPECT_EQ(MSFlexGrid1.TextMatrix(0, 0), "Titel");
    EXPECT_EQ(MSFlexGrid1.TextMatrix(0, 3), "Dauer");
    EXPECT_EQ(MSFlexGrid1.Row(), 1);
    EXPECT_EQ(MSFlexGrid1.ColSel(), 5);
    EXPECT_EQ(MSFlexGrid1.TopRow(), 1);
    EXPECT_TRUE(pfade()[0].startsWith(music() + "/") && !pfade()[0].contains("//"));
}

TEST_F(LiedersucheTest, FolderWithoutSongsLeavesHeaderAndEmptyRow)
{
    Songs::write(music(), "notiz.txt");
    suche.Einlesen(music());
    EXPECT_EQ(MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(MSFlexGrid1.TextMatrix(1, 0), "");
    EXPECT_TRUE(meldungen.shown.isEmpty());
}

TEST_F(LiedersucheTest, SystemVolumeInformationIsSkippedInAnyCase)
{
    const QString bleibt = song("bleibt.mp3");
    song("System Volume Information/a.mp3");
    song("system volume INFORMATION/Tiefer/b.mp3");
    suche.Einlesen(music());
    EXPECT_EQ(pfade(), QStringList({ bleibt }));

    archiv.TabelleLeeren(MSFlexGrid1);
    suche.Einlesen(music() + "/system volume INFORMATION");
    EXPECT_EQ(MSFlexGrid1.TextMatrix(1, 0), "");
    EXPECT_TRUE(meldungen.shown.isEmpty());
}

TEST_F(LiedersucheTest, SongsWhosePathHoldsASemicolonAreNeitherListedNorCounted)
{
    const QString gut = song("gut.mp3");
    song("Lied;1.mp3");
    song("Rock;Pop/a.mp3");
    song("Rock;Pop/Tiefer/b.mp3");

    suche.Einlesen(music());
    EXPECT_EQ(pfade(), QStringList({ gut }));
    EXPECT_EQ(lblGefunden, "Gefundene Lieder: 1");
    EXPECT_TRUE(meldungen.shown.isEmpty());
}

TEST_F(LiedersucheTest, HiddenFilesAndAnyCaseOfTheExtensionAreFound)
{
    const QStringList erwartet = { song(".versteckt.mp3"), song("LAUT.MP3"), song(".Versteckter Ordner/a.Mp3") };
    song("notiz.txt");
    song("lied.mp3.bak");
    song("lied.mp4");

    suche.Einlesen(music());
    const QStringList gefunden = pfade();
    EXPECT_EQ(QSet<QString>(gefunden.begin(), gefunden.end()), QSet<QString>(erwartet.begin(), erwartet.end()));
}

TEST_F(LiedersucheTest, EntriesThatAreNoSongFilesAreSkippedSilently)
{
    const QString gut = song("gut.mp3");
    const QString imOrdner = song("Ordner.mp3/innen.mp3"); // a folder with an MP3 name is searched as a folder
    Songs::write(music(), "leer.mp3");
    QFile(music() + "/leer.mp3").resize(0);
#ifdef Q_OS_UNIX
    QFile::link(music() + "/gibtsnicht.mp3", music() + "/kaputt.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(music() + "/rohr.mp3").constData(), 0644), 0);
#endif

    suche.Einlesen(music());
    const QStringList gefunden = pfade();
    EXPECT_EQ(QSet<QString>(gefunden.begin(), gefunden.end()), QSet<QString>({ gut, imOrdner }));
    EXPECT_TRUE(meldungen.shown.isEmpty());
    EXPECT_TRUE(errors.reports.isEmpty());
}

#ifdef Q_OS_LINUX
TEST_F(LiedersucheTest, NamesThatAreNotValidUtf8AreSkipped)
{
    const QString gut = song(QString::fromUtf8("Grüße.mp3"));
    // Raw bytes through the standard library: Qt itself cannot name such entries.
    const std::filesystem::path ordner = QFile::encodeName(music()).toStdString();
    const QByteArray audio = Songs::audio();
    std::ofstream(ordner / "kaputt\xff.mp3") << audio.toStdString();
    std::filesystem::create_directory(ordner / "Ordner\xfe");
    std::ofstream(ordner / "Ordner\xfe" / "innen.mp3") << audio.toStdString();
    ASSERT_TRUE(std::filesystem::exists(ordner / "Ordner\xfe" / "innen.mp3"));

    suche.Einlesen(music());
    EXPECT_EQ(pfade(), QStringList({ gut }));
    std::filesystem::remove_all(ordner);
}
#endif

#ifdef Q_OS_UNIX
TEST_F(LiedersucheTest, SymbolicLinksNeitherLoopNorListASongTwice)
{
    const QString echt = song("A/echt.mp3");
    QTemporaryDir aussen;
    const QString fremd = Songs::write(aussen.path(), "fremd.mp3", Songs::tag("F", "B", 0));
    QFile::link(music(), music() + "/A/zurueck"); // points back up: would loop
    QFile::link(music() + "/A", music() + "/B"); // the same folder again
    QFile::link(echt, music() + "/verweis.mp3"); // the same file again
    QFile::link(fremd, music() + "/A/fremd.mp3"); // a file outside: listed once
    QFile::link(fremd, music() + "/A/nochmal.mp3");
    const QString nachbar = song("C/nachbar.mp3");
    QFile::link(nachbar, music() + "/C/nachbar-verweis.mp3"); // listed before or after its target

    suche.Einlesen(music());

    QStringList echteZiele;
    for (const QString& pfad : pfade())
        echteZiele << QFileInfo(pfad).canonicalFilePath();
    echteZiele.sort();
    QStringList erwartet = { QFileInfo(echt).canonicalFilePath(), QFileInfo(fremd).canonicalFilePath(),
        QFileInfo(nachbar).canonicalFilePath() };
    erwartet.sort();
    EXPECT_EQ(echteZiele, erwartet);
}

TEST_F(LiedersucheTest, BackslashEndingAFolderNameStaysInThePaths)
{
    // Beside "a\" a folder "a" whose song a wrong path would list twice.
    const QString schraeg = Songs::write(music(), "a\\/x.mp3", Songs::tag("Schraeg", "B", 0));
    const QString tiefer = Songs::write(music(), "a\\/b/y.mp3", Songs::tag("Tiefer", "B", 0));
    const QString gerade = Songs::write(music(), "a/x.mp3", Songs::tag("Gerade", "B", 0));

    suche.Einlesen(music());

    EXPECT_EQ(MSFlexGrid1.Rows(), 4);
    EXPECT_EQ(
        titelJePfad(), (QMap<QString, QString> { { schraeg, "Schraeg" }, { tiefer, "Tiefer" }, { gerade, "Gerade" } }));
}

TEST_F(LiedersucheTest, UnreadableFolderIsSkippedAndTheScanGoesOn)
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
    const QStringList gefunden = pfade();
    EXPECT_EQ(QSet<QString>(gefunden.begin(), gefunden.end()), QSet<QString>({ gut, danach }));
    EXPECT_TRUE(meldungen.shown.isEmpty());
}
#endif

TEST_F(LiedersucheTest, FilesVanishingDuringTheScanAreSkipped)
{
    for (int i = 0; i < 20; ++i)
        song(QString("lied%1.mp3").arg(i));
    const QString spaeter = song("Unter/spaeter.mp3");
    // Runs while the scan processes events after the first entry of the
    // listing (a song or the subfolder): the listing is under way, the songs
    // not listed yet vanish.
    QStringList vorher;
    QTimer::singleShot(0, [&] {
        vorher = pfade();
        vorher.removeAll(QString()); // the empty row of the emptied grid
        for (int i = 0; i < 20; ++i) {
            const QString pfad = music() + QString("/lied%1.mp3").arg(i);
            if (!vorher.contains(pfad))
                QFile::remove(pfad);
        }
    });

    suche.Einlesen(music());
    ASSERT_LE(vorher.size(), 1);
    EXPECT_EQ(pfade(), vorher + QStringList({ spaeter }));
    EXPECT_EQ(lblGefunden, QString("Gefundene Lieder: %1").arg(vorher.size() + 1));
    EXPECT_TRUE(meldungen.shown.isEmpty());
    EXPECT_TRUE(errors.reports.isEmpty());
}

TEST_F(LiedersucheTest, EventsRunWhileTheScanGoesOn)
{
    for (int i = 0; i < 3; ++i)
        song(QString("lied%1.mp3").arg(i));
    bool timerLief = false;
    QTimer::singleShot(0, [&] { timerLief = true; });
    QStringList timerBeiFund;
    beiJedemFund = [&] { timerBeiFund << (timerLief ? "ja" : "nein"); };

    suche.Einlesen(music());
    EXPECT_EQ(timerBeiFund, QStringList({ "nein", "ja", "ja" }));
}

} // namespace

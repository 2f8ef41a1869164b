#include "WiedergabeFakes.h"

#include "support/Mp3Frames.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {

class PlaylistDateitest : public WiedergabeTest {
protected:
    QString datei() const { return QDir(ordner).filePath(QStringLiteral("Playlist.txt")); }
    void queue(int anzahl)
    {
        for (int i = 0; i < anzahl; ++i)
            uebernehmen(archivLied(QStringLiteral("lied%1").arg(playlist.Rows() - 1)));
    }
    // A fresh screen reads the file.
    QStringList neuEinlesen()
    {
        wiedergabe.reset();
        playlist.setRows(1);
        wiedergabe = neueWiedergabe();
        wiedergabe->PlaylistEinlesen();
        return titel();
    }
};

TEST_F(PlaylistDateitest, MissingFileReadsNothingFewerThanFiveSongsLeaveTheOldFileAndFiveReplaceIt)
{
    EXPECT_TRUE(neuEinlesen().isEmpty() && scope.errors.reports.isEmpty());
    ASSERT_TRUE(Mp3Frames::writeFile(datei(), "alt"));
    queue(4);
    wiedergabe->PlaylistSpeichern();
    EXPECT_EQ(Mp3Frames::readFile(datei()), QByteArray("alt"));
    queue(1);
    wiedergabe->PlaylistSpeichern();
    const QByteArray inhalt = Mp3Frames::readFile(datei());
    EXPECT_EQ(inhalt.count("\r\n"), 5);
    EXPECT_TRUE(inhalt.startsWith("lied0;Band lied0;Rock;20:00;/m/lied0.mp3;05:00\r\n")) << inhalt.toStdString();
    EXPECT_EQ(neuEinlesen(), QStringList({ "lied0", "lied1", "lied2", "lied3", "lied4" }));
    EXPECT_EQ(std::tuple(fenster.beschriftet, playlist.TextMatrix(2, 3)), std::tuple(2, QStringLiteral("20:04")))
        << "start times recomputed at once";
    wiedergabe->PlaylistEinlesen();
    EXPECT_EQ(titel().size(), 5) << "read only once: a later start keeps the queue as it is";
}

TEST_F(PlaylistDateitest, ReadOnlyFileIsLeftAsItIs)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    ASSERT_TRUE(Mp3Frames::writeFile(datei(), "fest"));
    QFile::setPermissions(datei(), QFile::ReadOwner);
    queue(6);
    wiedergabe->PlaylistSpeichern();
    EXPECT_EQ(Mp3Frames::readFile(datei()), QByteArray("fest"));
    EXPECT_TRUE(scope.errors.reports.isEmpty());
    QFile::setPermissions(datei(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(PlaylistDateitest, TextsComeBackWholeInEitherEncoding)
{
    const QString nul = QString::fromUtf8("Mit NUL\0\0\0", 10);
    const QString polnisch = QStringLiteral("Łódź – Sonne");
    const QByteArray zeilen = PlaylistDatei::Zeile({ nul, "Ä", "Pop", "??:??", "/m/ä.mp3", "03:00" })
        + "\r\n" // empty lines are skipped
        + PlaylistDatei::Zeile({ polnisch, "Ő", "Pop", "12:00", "/m/ł.mp3", "05:00" })
        // Windows-1252 bytes that would read as other UTF-8 text, and a line break from a tag.
        + PlaylistDatei::Zeile({ "Ã¤\r\nZwei", "B", "G", "12:00", "/m/z.mp3", "02:00" })
        + "Ende;B;G;12:00;/m/e.mp3;01:00\n"; // LF alone
    EXPECT_TRUE(zeilen.startsWith(QByteArrayLiteral("Mit NUL\0\0\0;\xC4;Pop;??:??;/m/\xE4.mp3;03:00\r\n")))
        << "a line that fits Windows-1252 stays single-byte";
    ASSERT_TRUE(Mp3Frames::writeFile(datei(), zeilen));
    EXPECT_EQ(neuEinlesen(), QStringList({ nul, polnisch, "Ã¤  Zwei", "Ende" }));
    EXPECT_EQ(
        playlistZeile(2).mid(4) + playlistZeile(2).mid(0, 2), QStringList({ "/m/ł.mp3", "05:00", polnisch, "Ő" }));
    EXPECT_EQ(playlist.TextMatrix(1, 4) + playlist.TextMatrix(4, 5), QStringLiteral("/m/ä.mp301:00"));
}

TEST_F(PlaylistDateitest, BadLinesStopReadingKeepTheRowsBeforeAndAreReported)
{
    const std::pair<const char*, QByteArray> faelle[] = {
        { "five fields", "a;b;c;d;/m/a.mp3;01:00\r\nkaputt;b;c;d;e\r\nc;b;c;d;/m/c.mp3;01:00\r\n" },
        { "binary garbage", "a;b;c;d;/m/a.mp3;01:00\r\n" + QByteArray(100'000, '\xFF') },
        { "endless line", "a;b;c;d;/m/a.mp3;01:00\r\n" + QByteArray(1'000'000, ';') },
    };
    for (const auto& [name, inhalt] : faelle) {
        SCOPED_TRACE(name);
        scope.errors.reports.clear();
        ASSERT_TRUE(Mp3Frames::writeFile(datei(), inhalt));
        EXPECT_EQ(neuEinlesen(), QStringList({ "a" }));
        EXPECT_EQ(scope.errors.reports.size(), 1);
    }
}

TEST_F(PlaylistDateitest, ProgramFolderFileIsReadBeforeThePerUserOne)
{
    QTemporaryDir benutzer;
    const QString eigene = QDir(benutzer.path()).filePath("Playlist.txt");
    ASSERT_TRUE(Mp3Frames::writeFile(eigene, "x"));
    EXPECT_EQ(PlaylistDatei(benutzer.path(), { ordner, benutzer.path() }).lesepfad(), eigene);
    ASSERT_TRUE(Mp3Frames::writeFile(datei(), "y"));
    EXPECT_EQ(PlaylistDatei(benutzer.path(), { ordner, benutzer.path() }).lesepfad(), datei());
}

TEST_F(PlaylistDateitest, QueueChangesAreSavedAMomentLaterInOneWrite)
{
    Autospeicherung& auto_ = wiedergabe->autospeicherung();
    queue(6);
    playlist.announcePendingRows();
    EXPECT_TRUE(auto_.faellig() && !QFile::exists(datei()));
    auto_.Timer_Timer();
    EXPECT_EQ(Mp3Frames::readFile(datei()).count("\r\n"), 6);

    // The start times run on by the minute: no save for that.
    wiedergabe->startzeiten().Uhrzeiten();
    uhr.vergehen(3'600'000);
    wiedergabe->startzeiten().Uhrzeiten();
    EXPECT_FALSE(auto_.faellig());

    playlist.selectRow(6);
    wiedergabe->playliste().Loeschen();
    auto_.Timer_Timer();
    EXPECT_EQ(Mp3Frames::readFile(datei()).count("\r\n"), 5);
}

} // namespace

#include "WiedergabeFakes.h"

#include "support/Mp3Frames.h"

#include <QDir>
#include <QFile>

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
}

TEST_F(PlaylistDateitest, SavedRowsReadBackAsTheyWere)
{
    const QString x = "/m/x.mp3";
    const QStringList texte = { "–„“€", "/musik/BeyoncÃ© Ã€ - Halo.mp3", QString::fromUtf8("NUL\0\0", 5), "Łódź" };
    const struct {
        const char* fall;
        QStringList lieder; // each song's title and path; filled up to five songs with x
        QStringList zurueck; // the titles read back
        QByteArray alt = {}; // an old file, without write permission
        QByteArray anhang = {}; // appended to the saved file
        int meldungen = 0; // a bad line stops reading; the rows before it stay
        QList<int> antworten = {}; // to the error window, then "Prozedur verlassen"
        QByteArray beginn = {}; // of the saved file
    } faelle[] = {
        { "Windows-1252 high bytes, UTF-8 look-alikes, NUL; an empty line and LF alone", texte,
            texte + QStringList { x, "Ende" }, {}, "\r\nEnde;B;G;12:00;/m/e.mp3;01:00\n", 0, {},
            "\x96\x84\x93\x80;B;G" },
        { "line breaks in a path", { "/m/a\nb.mp3", "/m/a\rb.mp3" }, { x, x, x } },
        { "read-only old file, whoever runs the program", {}, { "Alt" }, "Alt;B;G;12:00;/m/alt.mp3;01:00\r\n" },
        { "repeat at a short line", {}, { x, x, x, x, x }, {}, "kurz;b\r\nc;b;c;d;/m/c.mp3;01:00\r\n", 2,
            { ErrPtnr::BefehlWiederholen } },
        { "binary garbage", {}, { x, x, x, x, x }, {}, QByteArray(100'000, '\xFF'), 1 },
        { "endless line", {}, { x, x, x, x, x }, {}, QByteArray(1'000'000, ';'), 1 },
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        QFile::remove(datei());
        if (!f.alt.isEmpty()) {
            ASSERT_TRUE(Mp3Frames::writeFile(datei(), f.alt));
            QFile::setPermissions(datei(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
        playlist.setRows(1);
        for (int i = 0; i < std::max(int(f.lieder.size()), PlaylistDatei::kMindestanzahl); ++i) {
            playlist.AddItem(f.lieder.value(i, x));
            playlist.setRowTexts(playlist.Rows() - 1, { f.lieder.value(i, x), "B", "G", "", f.lieder.value(i, x), "" });
        }
        wiedergabe->PlaylistSpeichern();
        EXPECT_TRUE(Mp3Frames::readFile(datei()).startsWith(f.beginn));
        if (!f.anhang.isEmpty()) {
            ASSERT_TRUE(Mp3Frames::writeFile(datei(), Mp3Frames::readFile(datei()) + f.anhang));
        }
        scope.errors.reports.clear();
        scope.errors.codes = f.antworten;
        EXPECT_EQ(neuEinlesen(), f.zurueck);
        EXPECT_EQ(scope.errors.reports.size(), f.meldungen);
        QFile::setPermissions(datei(), QFile::ReadOwner | QFile::WriteOwner);
    }
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

    // A folder in the save's way: one report, then quiet tries on each change
    // until a save succeeds; the save at close reports as ever.
    const std::pair<bool, qsizetype> schritte[] = { { true, 1 }, { true, 1 }, { false, 1 }, { true, 2 } };
    for (const auto& [versperrt, meldungen] : schritte) {
        QFile::remove(datei());
        QDir(ordner).rmdir(PlaylistDatei::kName);
        if (versperrt)
            QDir(ordner).mkdir(PlaylistDatei::kName);
        queue(1);
        auto_.Timer_Timer();
        EXPECT_EQ(scope.errors.reports.size(), meldungen);
    }
    wiedergabe->PlaylistSpeichern();
    EXPECT_EQ(scope.errors.reports.size(), 3);
}

} // namespace

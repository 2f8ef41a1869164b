#include "LibraryTest.h"

#include "library/modMP3Tags.h"

#include <QDir>

namespace {

class Mp3TagsReadTest : public LibraryTest { };

// The three readers and the one-read GetSongTags give the same texts.
TEST_F(Mp3TagsReadTest, FallbacksTrimmingAndWindows1252)
{
    const QString unbekannt = "Unbekannter Titel";
    const QString ordner = music() + "/Ordner.mp3"; // exists, but cannot be read as a file
    ASSERT_TRUE(QDir().mkpath(ordner));
    Mp3Frames::writeFile(music() + "/kurz.mp3", QByteArray("TAG") + QByteArray(124, 'x')); // 127 bytes
    const struct {
        QString datei;
        QString titel, band, genre;
        int fehler = 0; // reports, from GetBand only
    } cases[] = {
        { music() + "/kurz.mp3", unbekannt, "Unbekannter Interpret", "Kein Genre" },
        { Songs::write(music(), "ohne.mp3"), unbekannt, "Unbekannter Interpret", "Kein Genre" },
        { music() + "/fehlt.mp3", unbekannt, "", "Kein Genre" },
        { ordner, unbekannt, "", "Kein Genre", 1 },
        { Songs::write(music(), "leer.mp3", Songs::tag(QByteArray(30, ' '), "  Die Band", 17)), "", "Die Band",
            "Rock" },
        // "Lied " then NUL padding: the space before the NULs stays too.
        { Songs::write(music(), "nul.mp3", Mp3Frames::id3v1Tag(" Lied ", "", 0)), "Lied " + QString(24, QChar(0)),
            QString(30, QChar(0)), "Blues" },
        { Songs::write(music(), "umlaut.mp3",
              Songs::tag("M\xfc"
                         "de Gr\xfc\xdf"
                         "e \x80",
                  "J\xf6rg & S\xf6hne", 13)),
            QString::fromUtf8("Müde Grüße €"), QString::fromUtf8("Jörg & Söhne"), "Pop" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.datei.toStdString());
        const SongTags tags = modMP3Tags::GetSongTags(c.datei);
        EXPECT_EQ(QStringList({ tags.titel, tags.interpret, tags.genre }), QStringList({ c.titel, c.band, c.genre }));
        errors.reports.clear();
        EXPECT_EQ(modMP3Tags::GetSongName(c.datei), c.titel);
        EXPECT_EQ(modMP3Tags::GetSongGenre(c.datei), c.genre);
        EXPECT_TRUE(errors.reports.isEmpty());
        EXPECT_EQ(modMP3Tags::GetBand(c.datei), c.band);
        ASSERT_EQ(errors.reports.size(), c.fehler);
        if (c.fehler) {
            EXPECT_EQ(errors.reports[0].rows[0], "Fehler beim Zugriff auf Pfad/Datei (75)");
            EXPECT_EQ(errors.reports[0].rows[2], "GetBand");
        }
    }
}

// The published list without its number 84: from "Bebob" on every name stands
// one lower, and some are spelled the program's way ("Folk/Rock", "Sprache").
TEST_F(Mp3TagsReadTest, GenreBytesMapToTheProgramsList)
{
    const std::pair<int, const char*> cases[] = { { 0, "Blues" }, { 81, "Folk/Rock" }, { 83, "Swing" }, { 84, "Bebob" },
        { 100, "Sprache" }, { 123, "Euro-House" }, { 124, "Kein Genre" }, { 255, "Kein Genre" } };
    for (const auto& [genreByte, name] : cases) {
        const QString datei = Songs::write(
            music(), QString("genre%1.mp3").arg(genreByte), Mp3Frames::id3v1Tag("T", "B", (unsigned char)genreByte));
        EXPECT_EQ(modMP3Tags::GetSongGenre(datei), name) << "genre byte " << genreByte;
    }
}

} // namespace

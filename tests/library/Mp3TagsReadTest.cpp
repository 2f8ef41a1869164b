#include "LibraryTest.h"
#include "Songs.h"

#include "library/modMP3Tags.h"
#include "support/Mp3Frames.h"

#include <QDir>

using Mp3Frames::id3v1Tag;

namespace {

class Mp3TagsReadTest : public LibraryTest { };

TEST_F(Mp3TagsReadTest, FileWithoutTagOrShorterThanATagGivesTheFallbacks)
{
    const QString kurz = music() + "/kurz.mp3";
    Mp3Frames::writeFile(kurz, QByteArray("TAG") + QByteArray(124, 'x')); // 127 bytes
    const QString ohneTag = Songs::write(music(), "ohne.mp3");

    for (const QString& datei : { kurz, ohneTag }) {
        EXPECT_EQ(modMP3Tags::GetSongName(datei), "Unbekannter Titel");
        EXPECT_EQ(modMP3Tags::GetBand(datei), "Unbekannter Interpret");
        EXPECT_EQ(modMP3Tags::GetSongGenre(datei), "Kein Genre");
    }
    EXPECT_TRUE(errors.reports.isEmpty());
}

TEST_F(Mp3TagsReadTest, MissingFileGivesEmptyArtistWithoutMessage)
{
    const QString fehlt = music() + "/fehlt.mp3";
    EXPECT_EQ(modMP3Tags::GetSongName(fehlt), "Unbekannter Titel");
    EXPECT_EQ(modMP3Tags::GetBand(fehlt), "");
    EXPECT_EQ(modMP3Tags::GetSongGenre(fehlt), "Kein Genre");
    EXPECT_TRUE(errors.reports.isEmpty());
}

TEST_F(Mp3TagsReadTest, UnreadableFileGoesToTheErrorReporterOnlyForTheArtist)
{
    // A folder with an MP3 name exists but cannot be read as a file.
    const QString ordner = music() + "/Ordner.mp3";
    ASSERT_TRUE(QDir().mkpath(ordner));

    EXPECT_EQ(modMP3Tags::GetSongName(ordner), "Unbekannter Titel");
    EXPECT_EQ(modMP3Tags::GetSongGenre(ordner), "Kein Genre");
    EXPECT_TRUE(errors.reports.isEmpty());

    EXPECT_EQ(modMP3Tags::GetBand(ordner), "");
    ASSERT_EQ(errors.reports.size(), 1);
    EXPECT_EQ(errors.reports[0].rows[0], "Fehler beim Zugriff auf Pfad/Datei (75)");
    EXPECT_EQ(errors.reports[0].rows[2], "GetBand");
}

TEST_F(Mp3TagsReadTest, FieldsLoseSpacesAtBothEndsButKeepNulPadding)
{
    const QString leer = Songs::write(music(), "leer.mp3", Songs::tag(QByteArray(30, ' '), "  Die Band", 17));
    EXPECT_EQ(modMP3Tags::GetSongName(leer), "");
    EXPECT_EQ(modMP3Tags::GetBand(leer), "Die Band");

    // Title "Lied " then NUL padding: the space before the NULs stays too.
    const QString nul = Songs::write(music(), "nul.mp3", id3v1Tag(" Lied ", "", 0));
    EXPECT_EQ(modMP3Tags::GetSongName(nul), QString("Lied ") + QString(24, QChar(0)));
    EXPECT_EQ(modMP3Tags::GetBand(nul), QString(30, QChar(0)));
}

TEST_F(Mp3TagsReadTest, TextsAreWindows1252)
{
    const QString datei = Songs::write(music(), "umlaut.mp3",
        Songs::tag("M\xfc"
                   "de Gr\xfc\xdf"
                   "e \x80",
            "J\xf6rg & S\xf6hne", 0));
    EXPECT_EQ(modMP3Tags::GetSongName(datei), QString::fromUtf8("Müde Grüße €"));
    EXPECT_EQ(modMP3Tags::GetBand(datei), QString::fromUtf8("Jörg & Söhne"));
}

TEST_F(Mp3TagsReadTest, GenreBytesMapToTheProgramsList)
{
    const struct {
        int genreByte;
        const char* name;
    } cases[] = {
        { 0, "Blues" },
        { 17, "Rock" },
        { 40, "AlternRock" },
        { 67, "Psychadelic" },
        { 80, "Folk" },
        { 81, "Folk/Rock" },
        { 82, "National Folk" },
        { 83, "Swing" },
        { 84, "Bebob" },
        { 85, "Latin" },
        { 86, "Revival" },
        { 99, "Humour" },
        { 100, "Sprache" },
        { 101, "Chanson" },
        { 102, "Opera" },
        { 122, "Acapella" },
        { 123, "Euro-House" },
        { 124, "Kein Genre" },
        { 125, "Kein Genre" },
        { 255, "Kein Genre" },
    };
    for (const auto& c : cases) {
        const QString datei = Songs::write(music(), QString("genre%1.mp3").arg(c.genreByte),
            id3v1Tag("T", "B", static_cast<unsigned char>(c.genreByte)));
        EXPECT_EQ(modMP3Tags::GetSongGenre(datei), c.name) << "genre byte " << c.genreByte;
    }
}

TEST_F(Mp3TagsReadTest, GenreNameIndexIsTheByteplusOne)
{
    EXPECT_EQ(modMP3Tags::GetSongGenreName(0), "Kein Genre");
    EXPECT_EQ(modMP3Tags::GetSongGenreName(1), "Blues");
    EXPECT_EQ(modMP3Tags::GetSongGenreName(5), "Disco");
    EXPECT_EQ(modMP3Tags::GetSongGenreName(124), "Euro-House");
    EXPECT_EQ(modMP3Tags::GetSongGenreName(125), "Kein Genre");
    EXPECT_EQ(modMP3Tags::GetSongGenreName(-1), "Kein Genre");
    EXPECT_EQ(modMP3Tags::GetSongGenreName(32767), "Kein Genre");
}

TEST_F(Mp3TagsReadTest, OneReadGivesWhatTheThreeReadersGive)
{
    const QString kurz = music() + "/kurz.mp3";
    Mp3Frames::writeFile(kurz, "ID3");
    const QString ordner = music() + "/Ordner.mp3";
    QDir().mkpath(ordner);
    const QStringList dateien = {
        Songs::write(music(), "mit.mp3", Songs::tag("Titel; mit Semikolon", "Band", 13)),
        Songs::write(music(), "leer.mp3", id3v1Tag(QByteArray(30, ' '), QByteArray(30, ' '), 255)),
        Songs::write(music(), "nul.mp3", id3v1Tag("A", "B", 84)),
        Songs::write(music(), "ohne.mp3"),
        kurz,
        music() + "/fehlt.mp3",
        ordner,
    };
    for (const QString& datei : dateien) {
        const SongTags tags = modMP3Tags::GetSongTags(datei);
        EXPECT_EQ(tags.titel, modMP3Tags::GetSongName(datei)) << datei.toStdString();
        EXPECT_EQ(tags.interpret, modMP3Tags::GetBand(datei)) << datei.toStdString();
        EXPECT_EQ(tags.genre, modMP3Tags::GetSongGenre(datei)) << datei.toStdString();
    }
}

} // namespace

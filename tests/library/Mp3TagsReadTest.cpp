#include "LibraryTest.h"

#include "library/modMP3Tags.h"

#include <QDir>

namespace {

class Mp3TagsReadTest : public LibraryTest { };

// The tag-reading fuzz harness checks what a tag's bytes read as; here, files that hold no tag.
TEST_F(Mp3TagsReadTest, AMissingFileReadsEmptyAndOnlyAFolderReportsAndOnlyFromGetBand)
{
    const QString ordner = music() + "/Ordner.mp3"; // exists, but cannot be read as a file
    ASSERT_TRUE(QDir().mkpath(ordner));
    for (const QString& datei : { music() + "/fehlt.mp3", ordner }) {
        SCOPED_TRACE(datei.toStdString());
        const SongTags tags = modMP3Tags::GetSongTags(datei);
        EXPECT_EQ(QStringList({ tags.titel, tags.interpret, tags.genre, modMP3Tags::GetSongName(datei),
                      modMP3Tags::GetSongGenre(datei) }),
            QStringList({ "Unbekannter Titel", "", "Kein Genre", "Unbekannter Titel", "Kein Genre" }));
        EXPECT_TRUE(errors.reports.isEmpty());
        EXPECT_EQ(modMP3Tags::GetBand(datei), QString());
    }
    ASSERT_EQ(errors.reports.size(), 1);
    EXPECT_EQ(std::pair(errors.reports[0].rows[0], errors.reports[0].rows[2]),
        std::pair(QStringLiteral("Fehler beim Zugriff auf Pfad/Datei (75)"), QStringLiteral("GetBand")));
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

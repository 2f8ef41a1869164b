#include "LibraryTest.h"

#include "library/Archiv.h"
#include "library/Id3v1Tag.h"
#include "platform/Dateiende.h"

namespace {

using Mp3Frames::id3v2TagWith;
using Mp3Frames::id3v2TextFrame;

QByteArray utf16(const char* text)
{
    const QString s = QString::fromUtf8(text);
    return QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}

// Title, artist and genre frames in one encoding.
QByteArray tag(
    int version, char encoding, const QByteArray& titel, const QByteArray& interpret, const QByteArray& genre)
{
    return id3v2TagWith(version,
        id3v2TextFrame(version, "TIT2", encoding, titel) + id3v2TextFrame(version, "TPE1", encoding, interpret)
            + id3v2TextFrame(version, "TCON", encoding, genre));
}

class Id3v2Test : public LibraryTest { };

TEST_F(Id3v2Test, FilesWithoutId3v1TakeTheirTextsFromId3v2WhenTheOptionIsOn)
{
    const QByteArray v23 = tag(3, 0,
        "\xDC"
        "ber; Br\xFC"
        "cke",
        "  Die \xC4rzte ", "(85)");
    const QStringList ohneTag { "Unbekannter Titel", "Unbekannter Interpret", "Kein Genre" };
    const struct {
        const char* name;
        QByteArray vorn, hinten; // around the audio
        bool option;
        QStringList zeile; // title, artist, genre
    } faelle[] = {
        { "2.3 Latin-1, numeric genre", v23, {}, true, { "Über_ Brücke", "Die Ärzte", "Bebob" } },
        { "2.3 UTF-16, genre past the old table", tag(3, 1, utf16("Zwei\nZeilen"), utf16("Søren"), utf16("(130)")), {},
            true, { "Zwei_Zeilen", "Søren", "Terror" } },
        { "2.4 UTF-8, the number the old table lacks", tag(4, 3, "Grüße €", "Ünal", "84"), {}, true,
            { "Grüße €", "Ünal", "Fast Fusion" } },
        { "2.4 UTF-16, the jukebox's own spelling", tag(4, 1, utf16("日本"), utf16("Ω"), utf16("101")), {}, true,
            { "日本", "Ω", "Sprache" } },
        { "2.4 Latin-1, a genre by name", tag(4, 0, "A", "B", "Rock & Roll"), {}, true, { "A", "B", "Rock & Roll" } },
        { "among other frames, before padding",
            id3v2TagWith(4,
                id3v2TextFrame(4, "PRIV", 0, QByteArray(300, 'x')) + id3v2TextFrame(4, "TIT2", 3, "Mitte")
                    + id3v2TextFrame(4, "TALB", 3, "Album") + QByteArray(200, '\0')),
            {}, true, { "Mitte", "Unbekannter Interpret", "Kein Genre" } },
        { "only a title", id3v2TagWith(4, id3v2TextFrame(4, "TIT2", 3, "Nur Titel")), {}, true,
            { "Nur Titel", "Unbekannter Interpret", "Kein Genre" } },
        { "ID3v1 wins", v23, Songs::tag("V1", "Band", 17), true, { "V1", "Band", "Rock" } },
        { "option off", v23, {}, false, ohneTag },
        { "size byte with the high bit", QByteArray(v23).replace(9, 1, "\x80"), {}, true, ohneTag },
        { "version 5", QByteArray(v23).replace(3, 1, "\x05"), {}, true, ohneTag },
        { "size beyond the file", QByteArray(v23).replace(6, 1, "\x7F"), {}, true, ohneTag },
    };
    for (const auto& fall : faelle) {
        FlexGrid archivGrid, playlistGrid;
        Archiv archiv(archivGrid, playlistGrid);
        archiv.TabelleLeeren(archivGrid);
        archiv.setId3v2(fall.option);
        const QString datei = music() + QStringLiteral("/lied.mp3");
        Mp3Frames::writeFile(datei, fall.vorn + Songs::audio() + fall.hinten);
        archiv.LiedAnfuegen(datei, archiv.LiedLesen(datei, Dateiende::lesen(datei, Id3v1Tag::kSize)));
        EXPECT_EQ(zeile(archivGrid, 1).mid(0, 3), fall.zeile) << fall.name;
    }
}

} // namespace

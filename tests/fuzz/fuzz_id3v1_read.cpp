// ID3v1 reading: the three readers, the one-open reader and the archive's
// row for a file, against a plain decoding of the last 128 bytes.

#include "Fuzz.h"

#include "common/FlexGrid.h"
#include "common/Windows1252.h"
#include "library/Archiv.h"
#include "library/modMP3Tags.h"
#include "library/SongTags.h"

namespace {

QString field(const QByteArray& tag, int offset)
{
    QByteArray bytes = tag.mid(offset, 30);
    while (bytes.startsWith(' '))
        bytes.remove(0, 1);
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return fromWindows1252(bytes);
}

SongTags expected(const QByteArray& file)
{
    const QByteArray tag = file.size() >= 128 ? file.right(128) : QByteArray();
    if (!tag.startsWith("TAG"))
        return { "Unbekannter Titel", "Unbekannter Interpret", "Kein Genre" };
    const int genre = static_cast<unsigned char>(tag[127]);
    return { field(tag, 3), field(tag, 33), modMP3Tags::GetSongGenreName(genre + 1) };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = Fuzz::writeFile(bytes);
    const SongTags soll = expected(bytes);
    const int genre = bytes.size() >= 128 && bytes.right(128).startsWith("TAG") ? uchar(bytes[bytes.size() - 1]) : -1;
    FUZZ_CHECK((genre >= 0 && genre <= 123) == (soll.genre != "Kein Genre"));

    const SongTags einzeln { modMP3Tags::GetSongName(path), modMP3Tags::GetBand(path), modMP3Tags::GetSongGenre(path) };
    FUZZ_CHECK(einzeln.titel == soll.titel && einzeln.interpret == soll.interpret && einzeln.genre == soll.genre);
    const SongTags aufEinmal = modMP3Tags::GetSongTags(path);
    FUZZ_CHECK(aufEinmal.titel == soll.titel && aufEinmal.interpret == soll.interpret && aufEinmal.genre == soll.genre);

    FlexGrid archiv, playlist;
    Archiv(archiv, playlist).TabelleLeeren(archiv);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    Archiv(archiv, playlist).EineZeileInsArchiv(file);
    // A cell holds no ";" and no line break: the playlist file separates by them.
    const auto zelle = [](QString text) { return text.replace(';', '_').replace('\r', '_').replace('\n', '_'); };
    FUZZ_CHECK(archiv.Rows() == 2);
    FUZZ_CHECK(
        archiv.TextMatrix(1, Archiv::Titel) == zelle(soll.titel.isEmpty() ? QStringLiteral("Unbekannt") : soll.titel));
    FUZZ_CHECK(archiv.TextMatrix(1, Archiv::Interpret) == zelle(soll.interpret));
    FUZZ_CHECK(archiv.TextMatrix(1, Archiv::Genre) == soll.genre);
    FUZZ_CHECK(archiv.TextMatrix(1, Archiv::Pfad) == path);
    FUZZ_CHECK(archiv.TextMatrix(1, Archiv::Sortierschluessel)
        == archiv.TextMatrix(1, Archiv::Interpret) + archiv.TextMatrix(1, Archiv::Titel));
    return 0;
}

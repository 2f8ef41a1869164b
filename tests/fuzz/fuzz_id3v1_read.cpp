// ID3v1 reading: the three readers, the one-open reader and the archive's
// row for a file, against a plain decoding of the last 128 bytes.

#include "Fuzz.h"

#include "common/FlexGrid.h"
#include "library/Archiv.h"
#include "library/Id3v1Tag.h"
#include "library/modMP3Tags.h"
#include "library/SongTags.h"
#include "platform/Dateiende.h"

namespace {

SongTags expected(const QByteArray& file)
{
    const QByteArray tag = file.size() >= 128 ? file.right(128) : QByteArray();
    if (!tag.startsWith("TAG"))
        return { "Unbekannter Titel", "Unbekannter Interpret", "Kein Genre" };
    const int genre = static_cast<unsigned char>(tag[127]);
    return { Fuzz::feldtext(tag.mid(3, 30)), Fuzz::feldtext(tag.mid(33, 30)), modMP3Tags::GetSongGenreName(genre + 1) };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = Fuzz::writeFile(bytes);
    const SongTags soll = expected(bytes);
    const int genre = bytes.size() >= 128 && bytes.right(128).startsWith("TAG") ? uchar(bytes[bytes.size() - 1]) : -1;
    FUZZ_CHECK((genre >= 0 && genre <= 123) == (soll.genre != "Kein Genre"));

    const auto gleich = [&](const SongTags& t) {
        return t.titel == soll.titel && t.interpret == soll.interpret && t.genre == soll.genre;
    };
    FUZZ_CHECK(gleich({ modMP3Tags::GetSongName(path), modMP3Tags::GetBand(path), modMP3Tags::GetSongGenre(path) }));
    FUZZ_CHECK(gleich(modMP3Tags::GetSongTags(path)));

    FlexGrid archiv, playlist;
    Archiv zeile(archiv, playlist);
    zeile.TabelleLeeren(archiv);
    zeile.LiedAnfuegen(path, zeile.LiedLesen(path, Dateiende::lesen(path, Id3v1Tag::kSize)));
    FUZZ_CHECK(archiv.Rows() == 2);
    FUZZ_CHECK(archiv.TextMatrix(1, Archiv::Titel)
        == Fuzz::zelle(soll.titel.isEmpty() ? QStringLiteral("Unbekannt") : soll.titel));
    FUZZ_CHECK(archiv.TextMatrix(1, Archiv::Interpret) == Fuzz::zelle(soll.interpret));
    FUZZ_CHECK(archiv.TextMatrix(1, Archiv::Genre) == soll.genre);
    FUZZ_CHECK(archiv.TextMatrix(1, Archiv::Pfad) == path);
    FUZZ_CHECK(archiv.TextMatrix(1, Archiv::Sortierschluessel)
        == archiv.TextMatrix(1, Archiv::Interpret) + archiv.TextMatrix(1, Archiv::Titel));
    return 0;
}

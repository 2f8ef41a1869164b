// ID3v2 reading: the archive's row for a file with the option on, against
// the same file read with the option off.

#include "Fuzz.h"

#include "common/FlexGrid.h"
#include "library/Archiv.h"
#include "library/Id3v1Tag.h"
#include "library/Id3v2Tag.h"
#include "library/modMP3Tags.h"
#include "platform/Dateiende.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = Fuzz::writeFile(bytes);
    const SongTags aus = modMP3Tags::GetSongTags(path);
    const SongTags an = modMP3Tags::GetSongTags(path, true);
    // Only a file without ID3v1 tag whose first bytes are a whole ID3v2 header can read differently.
    const qint64 tagGroesse = Id3v2Tag::groesse(bytes.left(Id3v2Tag::kKopfgroesse));
    if (bytes.right(128).startsWith("TAG") || tagGroesse < 0 || tagGroesse > bytes.size())
        FUZZ_CHECK(an == aus);
    // The reading of only the shown frames agrees with TagLib's reading of the whole tag.
    const QByteArray tag = bytes.left(tagGroesse);
    if (tagGroesse >= Id3v2Tag::kKopfgroesse && tagGroesse <= bytes.size())
        if (const auto einfach = Id3v2Tag::ausRahmen(tag))
            FUZZ_CHECK(*einfach == Id3v2Tag::ausBytes(tag));
    const auto gilt = [](const QString& text, const QString& ohne) {
        return text == ohne || (!text.isEmpty() && text == text.trimmed());
    };
    FUZZ_CHECK(gilt(an.titel, aus.titel) && gilt(an.interpret, aus.interpret) && gilt(an.genre, aus.genre));
    // A number always maps to a name.
    static const QRegularExpression nummer(QStringLiteral(R"(^(\d+|\(\d+\).*)$)"));
    FUZZ_CHECK(an.genre == aus.genre || !nummer.match(an.genre).hasMatch());

    FlexGrid archiv, playlist;
    Archiv zeile(archiv, playlist);
    zeile.TabelleLeeren(archiv);
    zeile.setId3v2(true);
    zeile.LiedAnfuegen(path, zeile.LiedLesen(path, Dateiende::lesen(path, Id3v1Tag::kSize)));
    for (int spalte : { Archiv::Titel, Archiv::Interpret, Archiv::Genre }) {
        const QString zelle = archiv.TextMatrix(1, spalte);
        FUZZ_CHECK(!zelle.contains(';') && !zelle.contains('\n') && !zelle.contains('\r'));
    }
    FUZZ_CHECK(!archiv.TextMatrix(1, Archiv::Titel).isEmpty());
    return 0;
}

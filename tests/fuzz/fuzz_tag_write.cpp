// The tag writers: the bytes in front of the tag never change, the file never
// gets shorter, a field holds the text cut or padded to 30 with "?" for what
// Windows-1252 lacks, and a file without tag gets one only from the title.

#include "Fuzz.h"

#include "library/modMP3Tags.h"

namespace {

enum Schreiber { Titel, Interpret, Genre, GenreDerListe };

// The 30 bytes of a field written from text: one byte per character.
bool feldStimmt(const QByteArray& feld, const QString& text)
{
    const QList<uint> zeichen = text.toUcs4();
    for (int i = 0; i < 30; ++i) {
        const uchar b = uchar(feld[i]);
        if (i >= zeichen.size()) {
            if (b != ' ')
                return false;
            continue;
        }
        const uint c = zeichen[i];
        const bool latin1 = c < 0x80 || (c >= 0xA0 && c <= 0xFF);
        if (latin1 ? b != c : b != '?' && !(b >= 0x80 && b < 0xA0 && fromWindows1252(feld.mid(i, 1)) == QChar(c)))
            return false;
    }
    return true;
}

int genreByte(const QString& name)
{
    for (int index = 1; index <= 127; ++index) {
        if (modMP3Tags::GetSongGenreName(index) == name)
            return index - 1;
    }
    return -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fuzz(data, size);
    const auto schreiber = Schreiber(fuzz.ConsumeIntegralInRange(0, 3));
    const QString text = schreiber == GenreDerListe ? modMP3Tags::GetSongGenreName(fuzz.ConsumeIntegralInRange(0, 128))
                                                    : Fuzz::text(fuzz, 60);
    const QByteArray vorher = QByteArray::fromStdString(fuzz.ConsumeRemainingBytesAsString());
    const QString path = Fuzz::writeFile(vorher);
    modMP3Tags tags;
    if (schreiber == Titel)
        tags.SetSongName(path, text);
    else if (schreiber == Interpret)
        tags.SetBand(path, text);
    else
        tags.SetSongGenre(path, text);

    const QByteArray nachher = Fuzz::readFile(path);
    const qsizetype laenge = vorher.size();
    const qsizetype tagPosition = qMax<qsizetype>(0, laenge - 128);
    FUZZ_CHECK(nachher.size() >= laenge);
    FUZZ_CHECK(nachher.left(tagPosition) == vorher.left(tagPosition));
    const bool mitTag = laenge >= 128 && vorher.mid(tagPosition, 3) == "TAG";
    if (laenge < 128 || (!mitTag && schreiber != Titel)) {
        FUZZ_CHECK(nachher == vorher);
        return 0;
    }
    QByteArray soll = mitTag ? vorher : vorher + "TAG" + QByteArray(124, ' ') + char(0xFF);
    FUZZ_CHECK(nachher.size() == soll.size());
    const qsizetype tag = soll.size() - 128;
    const int offset = schreiber == Titel ? 3 : schreiber == Interpret ? 33 : 127;
    if (offset == 127) {
        if (genreByte(text) >= 0)
            soll[tag + 127] = char(genreByte(text));
        FUZZ_CHECK(nachher == soll);
        return 0;
    }
    FUZZ_CHECK(feldStimmt(nachher.mid(tag + offset, 30), text));
    soll.replace(tag + offset, 30, nachher.mid(tag + offset, 30));
    FUZZ_CHECK(nachher == soll);
    const QString gelesen = offset == 3 ? modMP3Tags::GetSongName(path) : modMP3Tags::GetBand(path);
    FUZZ_CHECK(gelesen == Fuzz::feldtext(nachher.mid(tag + offset, 30)));
    return 0;
}

#include "library/Id3v2Tag.h"

#include "library/Id3v2Datei.h"
#include "library/Id3v2Genre.h"

#include <QFile>
#include <QList>

#include <algorithm>
#include <memory>

#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>

namespace {

constexpr qint64 kLeseschritt = 1 << 20;
constexpr unsigned char kFusszeileFlag = 0x10; // since version 4: a copy of the header follows the frames
// Unsynchronisation, an extended header, an experimental tag or a footer.
constexpr unsigned char kSonderflags = 0xF0;
// TagLib reads a version-4 frame size above this as a plain number when that
// leads to the next frame and the seven-bit reading does not.
constexpr qint64 kSiebenBitGrenze = 127;

TagLib::ByteVector bytes(QByteArrayView daten)
{
    return TagLib::ByteVector(daten.data(), static_cast<unsigned int>(daten.size()));
}

QString text(const TagLib::String& wert)
{
    return QString::fromStdWString(wert.toWString()).trimmed();
}

// The first field of a genre frame that names something.
QString genre(const TagLib::ID3v2::TextIdentificationFrame& rahmen)
{
    for (const TagLib::String& feld : rahmen.fieldList()) {
        const QString name = Id3v2Genre::name(text(feld));
        if (!name.isEmpty())
            return name;
    }
    return {};
}

bool gueltigeKennung(const QByteArray& tag, qint64 pos)
{
    if (pos < 0 || pos + 4 > tag.size())
        return false;
    return std::all_of(tag.begin() + pos, tag.begin() + pos + 4,
        [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

qint64 rahmengroesse(const QByteArray& tag, qint64 pos, int bitsJeByte)
{
    qint64 groesse = 0;
    for (qint64 index = pos + 4; index < pos + 8; ++index)
        groesse = (groesse << bitsJeByte) | static_cast<unsigned char>(tag[index]);
    return groesse;
}

// The frames of a tag laid out in the plain way, or none at all for any
// other layout, which goes to TagLib whole so that its own rules decide.
std::optional<QList<QByteArrayView>> einfacheRahmen(const QByteArray& tag)
{
    const int version = static_cast<unsigned char>(tag[3]);
    if ((version != 3 && version != 4) || (static_cast<unsigned char>(tag[5]) & kSonderflags))
        return std::nullopt;
    QList<QByteArrayView> rahmen;
    qint64 pos = Id3v2Tag::kKopfgroesse;
    // Padding starts with a zero byte where the next frame would.
    while (pos + Id3v2Tag::kKopfgroesse <= tag.size() && tag[pos] != 0) {
        const qint64 groesse = rahmengroesse(tag, pos, version == 4 ? 7 : 8);
        const qint64 ende = pos + Id3v2Tag::kKopfgroesse + groesse;
        const bool siebenBit = version == 3 || (rahmengroesse(tag, pos, 8) & 0x80808080) == 0;
        const bool andersGelesen = version == 4 && groesse > kSiebenBitGrenze && !gueltigeKennung(tag, ende)
            && gueltigeKennung(tag, pos + Id3v2Tag::kKopfgroesse + rahmengroesse(tag, pos, 8));
        const bool flags = tag[pos + 8] != 0 || tag[pos + 9] != 0;
        if (!gueltigeKennung(tag, pos) || !siebenBit || andersGelesen || flags || groesse == 0 || ende > tag.size())
            return std::nullopt;
        rahmen.append(QByteArrayView(tag).sliced(pos, ende - pos));
        pos = ende;
    }
    return rahmen;
}

} // namespace

std::optional<SongTags> Id3v2Tag::read(QFile& file)
{
    if (!file.isOpen() || !file.seek(0))
        return std::nullopt;
    QByteArray tag = file.read(kKopfgroesse);
    const qint64 ganz = groesse(tag);
    if (ganz < 0)
        return std::nullopt;
    // In steps, so that a damaged size never allocates much more than the file holds.
    while (ganz > tag.size()) {
        const QByteArray teil = file.read(std::min<qint64>(ganz - tag.size(), kLeseschritt));
        if (teil.isEmpty())
            return std::nullopt;
        tag += teil;
    }
    const std::optional<SongTags> einfach = ausRahmen(tag);
    return einfach ? einfach : ausBytes(tag);
}

qint64 Id3v2Tag::groesse(QByteArrayView kopf)
{
    if (kopf.size() < kKopfgroesse || !kopf.startsWith("ID3"))
        return -1;
    const auto byte = [&](int index) { return static_cast<unsigned char>(kopf[index]); };
    const int version = byte(3);
    if (version < 2 || version > 4 || byte(4) == 0xFF)
        return -1;
    // Four bytes of seven bits each, so that the size never looks like an MPEG sync.
    qint64 rumpf = 0;
    for (int index = 6; index < kKopfgroesse; ++index) {
        if (byte(index) & 0x80)
            return -1;
        rumpf = (rumpf << 7) | byte(index);
    }
    const bool fusszeile = version == 4 && (byte(5) & kFusszeileFlag);
    return kKopfgroesse + rumpf + (fusszeile ? kKopfgroesse : 0);
}

SongTags Id3v2Tag::ausBytes(const QByteArray& tag)
{
    TagLib::ByteVectorStream strom(bytes(tag));
    Id3v2Datei datei(&strom);
    const TagLib::ID3v2::Tag gelesen(&datei, 0);
    const TagLib::ID3v2::FrameList genres = gelesen.frameList("TCON");
    const auto* genrerahmen
        = genres.isEmpty() ? nullptr : dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(genres.front());
    return { text(gelesen.title()), text(gelesen.artist()), genrerahmen ? genre(*genrerahmen) : QString() };
}

std::optional<SongTags> Id3v2Tag::ausRahmen(const QByteArray& tag)
{
    const std::optional<QList<QByteArrayView>> rahmen = einfacheRahmen(tag);
    if (!rahmen)
        return std::nullopt;
    const TagLib::ID3v2::Header kopf(bytes(QByteArrayView(tag).first(kKopfgroesse)));
    SongTags tags;
    bool titel = false, interpret = false, genreGesehen = false;
    for (const QByteArrayView einzeln : *rahmen) {
        const QByteArrayView kennung = einzeln.first(4);
        bool& gesehen = kennung == "TIT2" ? titel : kennung == "TPE1" ? interpret : genreGesehen;
        if (gesehen || (kennung != "TIT2" && kennung != "TPE1" && kennung != "TCON"))
            continue;
        // As the whole tag would count it: the first frame of a kind, whatever it holds.
        gesehen = true;
        const std::unique_ptr<TagLib::ID3v2::Frame> gelesen(
            TagLib::ID3v2::FrameFactory::instance()->createFrame(bytes(einzeln), &kopf));
        const auto* textrahmen = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(gelesen.get());
        if (!textrahmen)
            continue;
        if (kennung == "TCON")
            tags.genre = genre(*textrahmen);
        else
            (kennung == "TIT2" ? tags.titel : tags.interpret) = text(textrahmen->toString());
    }
    return tags;
}

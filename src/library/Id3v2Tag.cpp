#include "library/Id3v2Tag.h"

#include "library/Id3v2Genre.h"

#include <QFile>

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>

namespace {

constexpr unsigned char kFusszeileFlag = 0x10; // since version 4: a copy of the header follows the frames

QString text(const TagLib::String& wert)
{
    return QString::fromStdWString(wert.toWString()).trimmed();
}

// The first field of the genre frame that names something.
QString genre(const TagLib::ID3v2::Tag& tag)
{
    const auto rahmen = tag.frameListMap().find("TCON");
    if (rahmen == tag.frameListMap().end() || rahmen->second.isEmpty())
        return {};
    const auto* textrahmen = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(rahmen->second.front());
    if (!textrahmen)
        return {};
    for (const TagLib::String& feld : textrahmen->fieldList()) {
        const QString name = Id3v2Genre::name(text(feld));
        if (!name.isEmpty())
            return name;
    }
    return {};
}

} // namespace

std::optional<SongTags> Id3v2Tag::read(QFile& file)
{
    if (!file.isOpen() || !file.seek(0))
        return std::nullopt;
    const QByteArray kopf = file.read(kKopfgroesse);
    const qint64 ganz = groesse(kopf);
    // Checked before reading, so that a damaged size never allocates more than the file holds.
    if (ganz < 0 || ganz > file.size())
        return std::nullopt;
    const QByteArray tag = kopf + file.read(ganz - kKopfgroesse);
    if (tag.size() != ganz)
        return std::nullopt;
    return ausBytes(tag);
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

std::optional<SongTags> Id3v2Tag::ausBytes(const QByteArray& tag)
{
    TagLib::ByteVectorStream strom(TagLib::ByteVector(tag.constData(), static_cast<unsigned int>(tag.size())));
    TagLib::MPEG::File datei(&strom, TagLib::ID3v2::FrameFactory::instance(), false);
    const TagLib::ID3v2::Tag* gelesen = datei.ID3v2Tag();
    if (!gelesen)
        return std::nullopt;
    return SongTags { text(gelesen->title()), text(gelesen->artist()), genre(*gelesen) };
}

#include "library/Id3v1Tag.h"

#include "common/Windows1252.h"
#include "platform/Dateiende.h"

#include <QFile>

namespace {

// Only spaces count as padding to remove; NUL bytes are kept as part of the text.
QByteArrayView trimSpaces(QByteArrayView bytes)
{
    while (bytes.startsWith(' '))
        bytes = bytes.sliced(1);
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return bytes;
}

} // namespace

Id3v1Tag::Id3v1Tag(Quelle quelle, QByteArray bytes)
    : m_quelle(quelle)
    , m_bytes(std::move(bytes))
{
}

Id3v1Tag Id3v1Tag::read(const QString& path)
{
    const Dateiende ende = Dateiende::lesen(path, kSize);
    if (!ende.gelesen)
        return Id3v1Tag(QFile::exists(path) ? Quelle::Unlesbar : Quelle::Fehlt);
    return fromTail(ende.bytes);
}

Id3v1Tag Id3v1Tag::read(const Dateiende& ende)
{
    return ende.gelesen ? fromTail(ende.bytes) : Id3v1Tag(Quelle::Unlesbar);
}

Id3v1Tag Id3v1Tag::fromTail(const QByteArray& tail)
{
    if (tail.size() != kSize || !tail.startsWith("TAG"))
        return Id3v1Tag(Quelle::OhneTag);
    return Id3v1Tag(Quelle::MitTag, tail);
}

QString Id3v1Tag::field(int offset) const
{
    if (!hasTag())
        return {};
    return fromWindows1252(trimSpaces(QByteArrayView(m_bytes).sliced(offset, kFieldLength)));
}

int Id3v1Tag::genreByte() const
{
    return hasTag() ? static_cast<unsigned char>(m_bytes[kGenre]) : -1;
}

QByteArray Id3v1Tag::fieldBytes(const QString& text)
{
    // Converted first, so that a character outside the BMP is cut as one "?".
    QByteArray bytes = toWindows1252(text).left(kFieldLength);
    return bytes.leftJustified(kFieldLength, ' ');
}

QByteArray Id3v1Tag::newTag(const QString& title)
{
    QByteArray tag(kSize, ' ');
    tag.replace(0, 3, "TAG");
    tag.replace(kTitle, kFieldLength, fieldBytes(title));
    tag[kGenre] = char(0xFF);
    return tag;
}

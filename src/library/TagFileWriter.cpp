#include "library/TagFileWriter.h"

#include "library/Id3v1Tag.h"

#include <QFile>

namespace {

bool writeAll(QFile& file, qint64 position, const QByteArray& bytes)
{
    return file.seek(position) && file.write(bytes) == bytes.size() && file.flush();
}

// Puts the tag bytes into place; the audio before the tag position is never written.
bool patchTag(QFile& file, qint64 length, int offset, const QByteArray& bytes)
{
    const bool written = writeAll(file, length - Id3v1Tag::kSize + offset, bytes);
    return written && file.size() == length;
}

// Appends a whole tag; a half-written tag is cut off again so that the file
// keeps exactly its old bytes.
bool appendTag(QFile& file, qint64 length, const QByteArray& tag)
{
    if (writeAll(file, length, tag) && file.size() == length + Id3v1Tag::kSize)
        return true;
    file.resize(length);
    return false;
}

} // namespace

bool TagFileWriter::write(const QString& path, int offset, const QByteArray& bytes, const QByteArray& newTag)
{
    QFile file(path);
    // ExistingOnly: a vanished song must not come back as an empty file.
    // Unbuffered: no bytes of a failed write may linger to be written on close.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return false;
    const qint64 length = file.size();
    if (length < Id3v1Tag::kSize || !file.seek(length - Id3v1Tag::kSize))
        return false;
    if (file.read(3) == "TAG")
        return patchTag(file, length, offset, bytes);
    return !newTag.isEmpty() && appendTag(file, length, newTag);
}

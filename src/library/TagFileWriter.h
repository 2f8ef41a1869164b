#pragma once

#include <QByteArray>
#include <QString>

// Writes into the ID3v1 tag at the end of an MP3 file without ever touching
// its audio bytes: the file is opened read-write but never truncated, and its
// length is checked before and after each write.
class TagFileWriter {
public:
    // Writes bytes at offset inside the tag. A file without tag gets newTag
    // appended after its last byte, or nothing when newTag is empty. A file
    // shorter than 128 bytes, a missing or read-only file is left alone.
    // True when the file holds the written bytes.
    static bool write(const QString& path, int offset, const QByteArray& bytes, const QByteArray& newTag = {});
};

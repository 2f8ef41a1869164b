#pragma once

#include <QByteArray>
#include <QString>

// MP3 files for the library tests: a few silent frames with or without an
// ID3v1 tag, written below a folder.
namespace Songs {

// A 128-byte ID3v1 tag padded with spaces, as taggers write it
// (Mp3Frames::id3v1Tag pads with NUL bytes).
QByteArray tag(const QByteArray& title, const QByteArray& artist, unsigned char genre);

// Frames of a small song; distinct per seed, so that audio bytes can be compared.
QByteArray audio(int seed = 0);

// Writes audio(seed) followed by tag (may be empty) to folder/relativePath; returns the path.
QString write(const QString& folder, const QString& relativePath, const QByteArray& tag = {}, int seed = 0);

QByteArray readAll(const QString& path);

} // namespace Songs

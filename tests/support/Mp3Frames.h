#pragma once

#include <QByteArray>
#include <QString>

// Builds MP3 data for tests: valid MPEG audio frames whose side information
// is all zero, so they decode to silence. No binary fixtures needed.
namespace Mp3Frames {

// count frames of MPEG-1 Layer III, 44.1 kHz, 128 kbit/s, stereo (417 bytes each).
QByteArray silentFrames(int count);

// A 128-byte ID3v1 tag; texts are Windows-1252, cut or NUL-padded to 30 bytes.
QByteArray id3v1Tag(const QByteArray& title, const QByteArray& artist, unsigned char genre);

// Writes bytes to a file, creating folders on the way; true on success.
bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace Mp3Frames

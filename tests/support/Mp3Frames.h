#pragma once

#include <QByteArray>
#include <QList>
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
QByteArray readFile(const QString& path); // empty when it cannot be read

// The MPEG version follows from the sample rate: 32/44.1/48 kHz MPEG-1,
// 16/22.05/24 kHz MPEG-2, 8/11.025/12 kHz MPEG-2.5.
struct Format {
    int sampleRate = 44100;
    bool mono = false;
};

// One silent frame at the given bitrate (must be valid for the version).
QByteArray silentFrame(const Format& format, int bitrateKbps, bool padding = false);

// One silent free-format frame (bit-rate index 0) of frameBytes bytes.
QByteArray freeFormatFrame(const Format& format, int frameBytes);

// count silent frames, cycling through the bitrates (one entry: CBR).
QByteArray frames(const Format& format, const QList<int>& bitratesKbps, int count);

// An info frame in front of `frameCount` audio frames of `streamBytes`:
// "Xing" (VBR) or "Info" (CBR) with frame count, byte count and TOC; with a
// LAME extension when encoderDelay or padding is not negative.
QByteArray xingFrame(const Format& format, int bitrateKbps, bool cbr, int frameCount, int streamBytes,
    int encoderDelay = -1, int padding = -1);

// A Fraunhofer VBRI frame announcing frameCount frames.
QByteArray vbriFrame(const Format& format, int bitrateKbps, int frameCount, int streamBytes);

// The same file with the frame count in its Xing/Info or VBRI header replaced.
QByteArray withFrameCount(QByteArray file, quint32 frameCount);

// An ID3v2.3 tag with one text frame and `paddingBytes` of zero padding.
QByteArray id3v2Tag(int paddingBytes, const QByteArray& title = "Titel");

// An ID3v2 text frame for a tag of version 3 or 4; encoding 0 is Latin-1,
// 1 UTF-16 with byte order mark, 3 UTF-8.
QByteArray id3v2TextFrame(int version, const char* id, char encoding, const QByteArray& text);
// An ID3v2 tag of version 3 or 4 around the given frames.
QByteArray id3v2TagWith(int version, const QByteArray& frames);

// An APEv2 tag with header and footer and one text item.
QByteArray apeTag(const QByteArray& key, const QByteArray& value);

// A Lyrics3 v2.00 block with one lyrics field.
QByteArray lyrics3v2(const QByteArray& lyrics);

} // namespace Mp3Frames

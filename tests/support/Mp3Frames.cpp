#include "support/Mp3Frames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace Mp3Frames {

namespace {

constexpr int kMpeg1Bitrates[] = { 0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320 };
constexpr int kLowBitrates[] = { 0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160 };
constexpr int kRates[3][3] = { { 44100, 48000, 32000 }, { 22050, 24000, 16000 }, { 11025, 12000, 8000 } };

// {version, rate index}; version 0 = MPEG-1, 1 = MPEG-2, 2 = MPEG-2.5
std::pair<int, int> versionAndRate(const Format& format)
{
    for (int version = 0; version < 3; ++version)
        for (int index = 0; index < 3; ++index)
            if (kRates[version][index] == format.sampleRate)
                return { version, index };
    qFatal("Mp3Frames: no MPEG sample rate %d", format.sampleRate);
}

void put(QByteArray& bytes, int at, quint32 value, int width = 4, bool littleEndian = false)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char(value >> (8 * (littleEndian ? i : width - 1 - i)));
}

// Seven bits per byte, as ID3v2 stores its sizes.
quint32 syncsafe(qsizetype size)
{
    return quint32((size & 0x7F) | ((size & 0x3F80) << 1) | ((size & 0x1FC000) << 2) | ((size & 0xFE00000) << 3));
}

} // namespace

QByteArray silentFrames(int count)
{
    return frames({ 44100, false }, { 128 }, count);
}

QByteArray id3v1Tag(const QByteArray& title, const QByteArray& artist, unsigned char genre)
{
    QByteArray tag(128, '\0');
    tag.replace(0, 3, "TAG");
    tag.replace(3, qMin<qsizetype>(30, title.size()), title.left(30));
    tag.replace(33, qMin<qsizetype>(30, artist.size()), artist.left(30));
    tag[127] = char(genre);
    return tag;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray silentFrame(const Format& format, int bitrateKbps, bool padding)
{
    static constexpr int kVersionBits[] = { 3, 2, 0 };
    const auto [version, rate] = versionAndRate(format);
    const int* bitrates = version == 0 ? kMpeg1Bitrates : kLowBitrates;
    const int bitrate = int(std::find(bitrates + 1, bitrates + 15, bitrateKbps) - bitrates);
    if (bitrate == 15)
        qFatal("Mp3Frames: bitrate %d not allowed at %d Hz", bitrateKbps, format.sampleRate);
    QByteArray frame((version == 0 ? 144 : 72) * bitrateKbps * 1000 / format.sampleRate + (padding ? 1 : 0), '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xE0 | kVersionBits[version] << 3 | 1 << 1 | 1); // Layer III, no CRC
    frame[2] = char(bitrate << 4 | rate << 2 | (padding ? 2 : 0));
    frame[3] = char(format.mono ? 0xC0 : 0x00);
    return frame;
}

QByteArray freeFormatFrame(const Format& format, int frameBytes)
{
    QByteArray frame = silentFrame(format, versionAndRate(format).first == 0 ? 32 : 8);
    frame.resize(frameBytes, '\0');
    frame[2] = char(frame[2] & 0x0F);
    return frame;
}

QByteArray frames(const Format& format, const QList<int>& bitratesKbps, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += silentFrame(format, bitratesKbps[i % bitratesKbps.size()]);
    return bytes;
}

QByteArray xingFrame(
    const Format& format, int bitrateKbps, bool cbr, int frameCount, int streamBytes, int encoderDelay, int padding)
{
    QByteArray frame = silentFrame(format, bitrateKbps);
    const bool mpeg1 = versionAndRate(format).first == 0;
    int at = 4 + (format.mono ? (mpeg1 ? 17 : 9) : (mpeg1 ? 32 : 17)); // behind the side information
    frame.replace(at, 4, cbr ? "Info" : "Xing");
    put(frame, at + 4, 0x7); // frames, bytes, TOC
    put(frame, at + 8, quint32(frameCount));
    put(frame, at + 12, quint32(streamBytes));
    for (int i = 0; i < 100; ++i)
        frame[at + 16 + i] = char(i * 256 / 100);
    at += 116;
    if (encoderDelay >= 0 || padding >= 0) {
        frame.replace(at, 9, "LAME3.100");
        frame[at + 9] = char(cbr ? 0x01 : 0x04);
        frame[at + 21] = char(qMax(0, encoderDelay) >> 4);
        frame[at + 22] = char((qMax(0, encoderDelay) & 0x0F) << 4 | qMax(0, padding) >> 8);
        frame[at + 23] = char(qMax(0, padding) & 0xFF);
    }
    return frame;
}

QByteArray vbriFrame(const Format& format, int bitrateKbps, int frameCount, int streamBytes)
{
    QByteArray frame = silentFrame(format, bitrateKbps);
    constexpr int kAt = 4 + 32;
    frame.replace(kAt, 4, "VBRI");
    put(frame, kAt + 4, 1, 2); // version
    put(frame, kAt + 8, 75, 2); // quality
    put(frame, kAt + 10, quint32(streamBytes));
    put(frame, kAt + 14, quint32(frameCount));
    return frame;
}

QByteArray withFrameCount(QByteArray file, quint32 frameCount)
{
    qsizetype at = file.indexOf("Xing");
    at = at >= 0 ? at : file.indexOf("Info");
    at = at >= 0 ? at + 8 : file.indexOf("VBRI") + 14;
    put(file, int(at), frameCount);
    return file;
}

QByteArray id3v2Tag(int paddingBytes, const QByteArray& title)
{
    const QByteArray textFrame = id3v2TextFrame(3, "TIT2", 0, title);
    return id3v2TagWith(3, textFrame + QByteArray(paddingBytes, '\0'));
}

QByteArray id3v2TextFrame(int version, const char* id, char encoding, const QByteArray& text)
{
    const QByteArray payload = encoding + text;
    QByteArray frame = id + QByteArray(6, '\0') + payload;
    put(frame, 4, version == 4 ? syncsafe(payload.size()) : quint32(payload.size()));
    return frame;
}

QByteArray id3v2TagWith(int version, const QByteArray& frames)
{
    QByteArray header("ID3\0\0\0\0\0\0\0", 10);
    header[3] = char(version);
    put(header, 6, syncsafe(frames.size()));
    return header + frames;
}

QByteArray apeTag(const QByteArray& key, const QByteArray& value)
{
    QByteArray item(8, '\0');
    put(item, 0, quint32(value.size()), 4, true);
    item += key + '\0' + value;
    auto block = [&](bool header) {
        QByteArray bytes = QByteArray("APETAGEX") + QByteArray(24, '\0');
        put(bytes, 8, 2000, 4, true);
        put(bytes, 12, quint32(item.size() + 32), 4, true); // items and footer
        put(bytes, 16, 1, 4, true);
        put(bytes, 20, 0x80000000u | (header ? 0x20000000u : 0), 4, true);
        return bytes;
    };
    return block(true) + item + block(false);
}

QByteArray lyrics3v2(const QByteArray& lyrics)
{
    const QByteArray field = "LYR" + QByteArray::number(lyrics.size()).rightJustified(5, '0') + lyrics;
    const QByteArray body = "LYRICSBEGIN" + field;
    return body + QByteArray::number(body.size()).rightJustified(6, '0') + "LYRICS200";
}

} // namespace Mp3Frames

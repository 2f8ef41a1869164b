#include "playback/Mp3Length.h"

#include "playback/MpegFrameWalker.h"

#include <QFileInfo>

#include <QFile>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Junk between the ID3v2 tags and the first frame that is still skipped.
constexpr qint64 kResyncLimit = 64 * 1024;
constexpr qint64 kHeadBytes = 8 * 1024;
constexpr qint64 kWalkChunk = 1024 * 1024;
// The end of the audio that is checked before a header's counts are trusted.
constexpr qint64 kTailBytes = 4 * 1024;
// A frame counts as found only when this many consistent frames follow it
// in a row (or the audio ends), so stray 0xFF bytes in junk are not taken.
constexpr int kConfirmFrames = 2;
// Samples by which a Layer III decoder's output lags its input. A gapless
// decoder drops them at the start and expects the encoder's padding to
// cover them at the end; where the padding is shorter, the song is that
// much shorter.
constexpr int kDecoderDelay = 529;

quint32 bigEndian32(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

quint32 littleEndian32(const uchar* p)
{
    return quint32(p[3]) << 24 | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
}

QByteArray readAt(QFile& file, qint64 pos, qint64 bytes)
{
    if (pos < 0 || !file.seek(pos))
        return {};
    return file.read(bytes);
}

// The few small reads at both ends of a file, served from one read of each
// end: with a whole song library to measure, system calls are the cost.
class FileEnds {
public:
    explicit FileEnds(QFile& file)
        : m_file(file)
        , m_size(file.size())
    {
    }

    qint64 size() const { return m_size; }

    QByteArray read(qint64 pos, qint64 bytes)
    {
        if (pos < 0 || bytes < 0)
            return {};
        if (pos + bytes <= kEndBytes)
            return slice(m_head, 0, pos, bytes);
        if (pos >= m_size - kEndBytes)
            return slice(m_tail, qMax<qint64>(0, m_size - kEndBytes), pos, bytes);
        return readAt(m_file, pos, bytes);
    }

private:
    static constexpr qint64 kEndBytes = 8 * 1024;

    QByteArray slice(std::optional<QByteArray>& cache, qint64 base, qint64 pos, qint64 bytes)
    {
        if (!cache)
            cache = readAt(m_file, base, kEndBytes);
        return cache->mid(pos - base, bytes);
    }

    QFile& m_file;
    qint64 m_size;
    std::optional<QByteArray> m_head;
    std::optional<QByteArray> m_tail;
};

// Audio starts behind any number of ID3v2 tags, each of any size.
qint64 skipId3v2(FileEnds& file)
{
    qint64 pos = 0;
    for (;;) {
        const QByteArray head = file.read(pos, 10);
        const auto* h = reinterpret_cast<const uchar*>(head.constData());
        if (head.size() < 10 || !head.startsWith("ID3") || h[3] == 0xFF || h[4] == 0xFF
            || ((h[6] | h[7] | h[8] | h[9]) & 0x80))
            return pos;
        const qint64 size = qint64(h[6]) << 21 | qint64(h[7]) << 14 | qint64(h[8]) << 7 | h[9];
        const bool footer = (h[5] & 0x10) != 0;
        pos += 10 + size + (footer ? 10 : 0);
    }
}

// A size field of unsigned decimal digits; -1 for anything else ("-00020", " 0020").
qint64 decimalDigits(const QByteArray& field)
{
    const bool digits
        = !field.isEmpty() && std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits ? field.toLongLong() : -1;
}

// Size of the tag that ends at `end`, or 0 when none does.
qint64 trailingTagSize(FileEnds& file, qint64 start, qint64 end)
{
    const qint64 available = end - start;
    if (available >= 128 && file.read(end - 128, 3) == "TAG")
        return 128;
    if (available >= 32) {
        const QByteArray footer = file.read(end - 32, 32);
        if (footer.startsWith("APETAGEX")) {
            const auto* f = reinterpret_cast<const uchar*>(footer.constData());
            const bool hasHeader = (littleEndian32(f + 20) & 0x80000000u) != 0;
            const qint64 size = qint64(littleEndian32(f + 12)) + (hasHeader ? 32 : 0);
            return size <= available ? size : 0;
        }
    }
    if (available >= 15) {
        const QByteArray tail = file.read(end - 15, 15);
        if (tail.endsWith("LYRICS200")) {
            const qint64 field = decimalDigits(tail.left(6));
            return field >= 0 && field + 15 <= available ? field + 15 : 0;
        }
        if (tail.endsWith("LYRICSEND")) {
            // Version 1 has no size field; its text is at most 5100 bytes.
            const qint64 window = qMin<qint64>(available, 5100 + 20);
            const QByteArray text = file.read(end - window, window);
            const qsizetype begin = text.lastIndexOf("LYRICSBEGIN");
            return begin >= 0 ? window - begin : 0;
        }
    }
    return 0;
}

// Audio ends in front of the trailing tags, which come in any order.
qint64 audioEnd(FileEnds& file, qint64 start)
{
    qint64 end = file.size();
    while (const qint64 tag = trailingTagSize(file, start, end))
        end -= tag;
    return end;
}

struct FirstFrame {
    qint64 offset = 0;
    MpegFrameHeader header;
    QByteArray bytes;
};

bool followedByFrames(const QByteArray& data, qint64 pos, const MpegFrameHeader& first, qint64 dataEnd)
{
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    for (int i = 0; i < kConfirmFrames; ++i) {
        if (pos == dataEnd)
            return true;
        if (pos + 4 > data.size())
            return false;
        auto next = MpegFrameHeader::parse(bytes + pos);
        if (!next || !next->sameStreamAs(first))
            return false;
        next->freeBytes = first.freeBytes;
        pos += next->frameBytes();
    }
    return pos <= dataEnd;
}

// A header at bytes with its frame size known, free format included.
std::optional<MpegFrameHeader> headerWithSize(const uchar* bytes, qint64 available)
{
    auto header = MpegFrameHeader::parse(bytes);
    if (header && header->freeFormat()) {
        header->freeBytes = MpegFrameWalker::freeFrameBytes(bytes, available);
        if (header->freeBytes == 0)
            return std::nullopt;
    }
    return header;
}

std::optional<FirstFrame> searchFirstFrame(const QByteArray& data, qint64 base, qint64 end)
{
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qint64 dataEnd = end - base; // the audio end, relative to data
    const qint64 limit = qMin<qint64>(kResyncLimit, data.size() - 4);
    for (qint64 i = 0; i <= limit; ++i) {
        const auto header = bytes[i] == 0xFF ? headerWithSize(bytes + i, data.size() - i) : std::nullopt;
        if (!header)
            continue;
        const qint64 next = i + header->frameBytes();
        if (next <= data.size() && next <= dataEnd && followedByFrames(data, next, *header, dataEnd))
            return FirstFrame { base + i, *header, data.mid(i, header->frameBytes()) };
    }
    return std::nullopt;
}

std::optional<FirstFrame> findFirstFrame(FileEnds& file, qint64 start, qint64 end)
{
    // Most files start right away; only junk makes the larger read necessary.
    for (qint64 window : { kHeadBytes, kResyncLimit + kHeadBytes }) {
        const QByteArray data = file.read(start, qMin(window, end - start));
        if (auto frame = searchFirstFrame(data, start, end))
            return frame;
        if (data.size() < window)
            break;
    }
    return std::nullopt;
}

// What a Xing/Info or VBRI header in the first frame announces. The counts
// are only trusted when they fit the file (see fitsInto).
struct StreamHeader {
    std::optional<qint64> frames;
    std::optional<qint64> bytes;
    int encoderDelay = 0;
    int padding = 0;
    // "Info" marks a constant bitrate: every frame has the size of the first,
    // give or take its padding byte.
    bool constantBitrate = false;

    // A cut or patched file announces more than it holds: more bytes than
    // there are, or more frames than would fit even at the lowest bitrate.
    // At a constant bitrate the count must also fill the audio, so a count
    // that is too big is caught even when its frames would fit.
    bool fitsInto(qint64 audioBytes, const MpegFrameHeader& stream) const
    {
        if (!frames || *frames <= 0 || *frames * stream.smallestFrameBytes() > audioBytes
            || (bytes && *bytes > audioBytes))
            return false;
        if (!constantBitrate)
            return true;
        MpegFrameHeader unpadded = stream;
        unpadded.padding = false;
        const qint64 slack = 2 * (unpadded.frameBytes() + 1); // the info frame, a frame cut short
        return *frames * unpadded.frameBytes() <= audioBytes + slack
            && audioBytes <= *frames * (unpadded.frameBytes() + 1) + slack;
    }
};

// A Xing/Info header (written by LAME and others) in the first frame.
std::optional<StreamHeader> xingHeader(const FirstFrame& first)
{
    const auto* f = reinterpret_cast<const uchar*>(first.bytes.constData());
    const qint64 size = first.bytes.size();
    const int tag = 4 + first.header.sideInfoBytes();
    if (first.header.layer != 3 || size < tag + 8)
        return std::nullopt;
    // The side information of an info frame is empty; only a CRC may sit there.
    for (int i = 6; i < tag; ++i) {
        if (f[i] != 0)
            return std::nullopt;
    }
    if (std::memcmp(f + tag, "Xing", 4) != 0 && std::memcmp(f + tag, "Info", 4) != 0)
        return std::nullopt;

    StreamHeader info;
    info.constantBitrate = std::memcmp(f + tag, "Info", 4) == 0;
    const quint32 flags = bigEndian32(f + tag + 4);
    qint64 p = tag + 8;
    if (flags & 0x1) {
        if (size < p + 4)
            return info;
        info.frames = bigEndian32(f + p);
        p += 4;
    }
    if (flags & 0x2) {
        if (size < p + 4)
            return info;
        info.bytes = bigEndian32(f + p);
        p += 4;
    }
    p += (flags & 0x4 ? 100 : 0) + (flags & 0x8 ? 4 : 0);
    // The LAME extension: encoder name, ..., then delay and padding as two 12-bit numbers.
    if (size >= p + 24 && f[p] != 0) {
        info.encoderDelay = f[p + 21] << 4 | f[p + 22] >> 4;
        info.padding = (f[p + 22] & 0x0F) << 8 | f[p + 23];
    }
    return info;
}

// A VBRI header (Fraunhofer encoders): always 32 bytes behind the header.
std::optional<StreamHeader> vbriHeader(const FirstFrame& first)
{
    constexpr int kTag = 4 + 32;
    if (first.bytes.size() < kTag + 18 || !first.bytes.mid(kTag, 4).startsWith("VBRI"))
        return std::nullopt;
    const auto* f = reinterpret_cast<const uchar*>(first.bytes.constData()) + kTag;
    return StreamHeader { bigEndian32(f + 14), bigEndian32(f + 10) };
}

// Samples of every frame the walker finds from start to end.
qint64 walkFrames(QFile& file, qint64 start, qint64 end, const MpegFrameHeader& stream)
{
    // One read holds a whole song of usual size; no larger buffer than the audio.
    MpegFrameWalker walker(file, start, end, stream, qMin(kWalkChunk, end - start));
    qint64 frames = 0;
    while (walker.next())
        ++frames;
    return frames * stream.samplesPerFrame();
}

// Whether the last part of the audio holds frames of the stream that end
// exactly where the audio ends. A header's counts are trusted only then: an
// unfinished download keeps its full size, but its end is zeros, and a last
// frame cut short does not play.
bool endsInFrames(FileEnds& file, qint64 start, qint64 end, const MpegFrameHeader& stream)
{
    const qint64 window = qMin(kTailBytes, end - start);
    const QByteArray tail = file.read(end - window, window);
    const auto* bytes = reinterpret_cast<const uchar*>(tail.constData());
    for (qint64 i = 0; i + 4 <= tail.size(); ++i) {
        qint64 pos = i;
        while (pos + 4 <= tail.size()) {
            auto header = bytes[pos] == 0xFF ? MpegFrameHeader::parse(bytes + pos) : std::nullopt;
            if (!header || !header->sameStreamAs(stream))
                break;
            header->freeBytes = stream.freeBytes;
            pos += header->frameBytes();
        }
        if (pos == tail.size() && pos - i >= kConfirmFrames * stream.smallestFrameBytes())
            return true;
    }
    return false;
}

} // namespace

std::optional<Mp3Length::Duration> Mp3Length::of(const QString& path)
{
    const auto audio = layout(path);
    if (!audio)
        return std::nullopt;
    return audio->duration;
}

std::optional<Mp3Length::Layout> Mp3Length::layout(const QString& path)
{
    // A named pipe or a device would block the read, or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    FileEnds ends(file);
    const qint64 start = skipId3v2(ends);
    const qint64 end = audioEnd(ends, start);
    const auto first = findFirstFrame(ends, start, end);
    if (!first)
        return std::nullopt;

    const MpegFrameHeader& stream = first->header;
    const int perFrame = stream.samplesPerFrame();
    const qint64 audioBytes = end - first->offset;
    const qint64 behindFirst = first->offset + first->bytes.size();
    const auto trusted = [&](const StreamHeader& header) {
        return header.fitsInto(audioBytes, stream) && endsInFrames(ends, first->offset, end, stream);
    };
    Layout result { { 0, stream.sampleRate }, stream, first->offset, end, 0 };
    if (const auto info = xingHeader(*first)) {
        // Knowing the frame count, a gapless decoder cuts the encoder delay
        // and its own delay at the start, and what padding exceeds its delay
        // at the end; without a count it plays every frame.
        const qint64 frames = info->frames.value_or(0);
        result.skipSamples = frames > 0 ? info->encoderDelay + kDecoderDelay : 0;
        const qint64 announced = frames > 0 ? frames * perFrame - qMax(0, info->padding - kDecoderDelay)
                                            : std::numeric_limits<qint64>::max();
        // The info frame itself is no audio; the walk starts behind it.
        result.audioStart = behindFirst;
        const qint64 held = trusted(*info) ? announced : walkFrames(file, behindFirst, end, stream);
        result.duration.samples = qMax<qint64>(0, qMin(held, announced) - result.skipSamples);
    } else if (const auto vbri = vbriHeader(*first)) {
        // The decoder knows no VBRI header and plays its frame as silence.
        result.duration.samples
            = trusted(*vbri) ? (*vbri->frames + 1) * perFrame : walkFrames(file, first->offset, end, stream);
    } else {
        result.duration.samples = walkFrames(file, first->offset, end, stream);
    }
    return result;
}

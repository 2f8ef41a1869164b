#pragma once

#include "playback/MpegFrameHeader.h"

#include <QByteArray>
#include <QFile>

#include <optional>

// Steps through the frames of one MPEG audio stream in a region of a file.
// This decides alone which bytes are audio: Mp3Length counts what it finds
// and Mp3Decoder decodes exactly that, so length and playback agree.
//
// A frame right behind the previous one is taken as it is. After junk, a
// header counts only when the next frame's header (or the end of the audio)
// follows it, so a pattern that merely looks like a header inside junk is
// stepped over. A frame cut off by the end of the audio does not play.
class MpegFrameWalker {
public:
    struct Frame {
        qint64 offset = 0;
        int bytes = 0;
        const uchar* data = nullptr; // valid until the next call of next()
    };

    // stream: the header of a frame known to start the audio at start, with
    // the frame size of a free-format stream filled in.
    MpegFrameWalker(QFile& file, qint64 start, qint64 end, const MpegFrameHeader& stream, qint64 chunkBytes);

    std::optional<Frame> next();

    // The free-format frame size of the stream whose header is at bytes
    // (free format, size still unknown): the distance to the next header of
    // the stream within available bytes, less the padding; 0 when none is found.
    static int freeFrameBytes(const uchar* bytes, qint64 available);

private:
    // The stream's header at pos if one starts there, with its frame size known.
    std::optional<MpegFrameHeader> headerAt(qint64 pos);
    // Makes n bytes at pos readable; nullptr past the end of the file.
    const uchar* at(qint64 pos, qint64 n);
    // The next 0xFF byte at or after pos, or m_end.
    qint64 nextSyncByte(qint64 pos);

    QFile& m_file;
    qint64 m_pos;
    qint64 m_end;
    MpegFrameHeader m_stream;
    qint64 m_chunkBytes;
    bool m_inSync = true;
    QByteArray m_buffer;
    qint64 m_base = 0;
};

#include "playback/MpegFrameWalker.h"

#include <cstring>

namespace {

// The largest frame a decoder accepts (Layer II at 384 kbit/s and 8 kHz would
// be bigger, but no such stream exists).
constexpr int kMaxFrameBytes = 3456;

} // namespace

MpegFrameWalker::MpegFrameWalker(
    QFile& file, qint64 start, qint64 end, const MpegFrameHeader& stream, qint64 chunkBytes)
    : m_file(file)
    , m_pos(start)
    , m_end(end)
    , m_stream(stream)
    , m_chunkBytes(chunkBytes)
{
}

std::optional<MpegFrameWalker::Frame> MpegFrameWalker::next()
{
    while (m_pos + 4 <= m_end) {
        const auto header = headerAt(m_pos);
        const qint64 behind = header ? m_pos + header->frameBytes() : 0;
        if (header && behind <= m_end && (m_inSync || behind == m_end || headerAt(behind))) {
            const uchar* data = at(m_pos, behind - m_pos);
            if (!data)
                break;
            const Frame frame { m_pos, int(behind - m_pos), data };
            m_pos = behind;
            m_inSync = true;
            return frame;
        }
        m_inSync = false;
        m_pos = nextSyncByte(m_pos + 1);
    }
    m_pos = m_end;
    return std::nullopt;
}

int MpegFrameWalker::freeFrameBytes(const uchar* bytes, qint64 available)
{
    const auto first = MpegFrameHeader::parse(bytes);
    if (!first || !first->freeFormat())
        return 0;
    const qint64 limit = qMin<qint64>(available - 4, kMaxFrameBytes + 4);
    for (qint64 i = 4; i <= limit; ++i) {
        if (bytes[i] != 0xFF)
            continue;
        const auto next = MpegFrameHeader::parse(bytes + i);
        if (next && next->sameStreamAs(*first))
            return int(i) - (first->padding ? (first->layer == 1 ? 4 : 1) : 0);
    }
    return 0;
}

std::optional<MpegFrameHeader> MpegFrameWalker::headerAt(qint64 pos)
{
    if (pos + 4 > m_end)
        return std::nullopt;
    const uchar* bytes = at(pos, 4);
    if (!bytes || bytes[0] != 0xFF)
        return std::nullopt;
    auto header = MpegFrameHeader::parse(bytes);
    if (!header || !header->sameStreamAs(m_stream))
        return std::nullopt;
    header->freeBytes = m_stream.freeBytes;
    return header;
}

const uchar* MpegFrameWalker::at(qint64 pos, qint64 n)
{
    if (pos < m_base || pos + n > m_base + m_buffer.size()) {
        if (!m_file.seek(pos))
            return nullptr;
        m_buffer = m_file.read(qMax(m_chunkBytes, n));
        m_base = pos;
        if (m_buffer.size() < n)
            return nullptr;
    }
    return reinterpret_cast<const uchar*>(m_buffer.constData()) + (pos - m_base);
}

qint64 MpegFrameWalker::nextSyncByte(qint64 pos)
{
    while (pos < m_end) {
        const uchar* bytes = at(pos, 1);
        if (!bytes)
            return m_end;
        const qint64 buffered = qMin(m_base + m_buffer.size(), m_end) - pos;
        if (const void* sync = std::memchr(bytes, 0xFF, std::size_t(buffered)))
            return pos + (static_cast<const uchar*>(sync) - bytes);
        pos += buffered;
    }
    return m_end;
}

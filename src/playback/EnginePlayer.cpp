#include "playback/EnginePlayer.h"

#include "platform/AudioOutput.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kUnityGain = 1 << 15;
constexpr int kRampFrames = 256; // 5.8 ms
constexpr int kGainStep = kUnityGain / kRampFrames;
// Lengths from headers and what the decoder puts out differ by a few ms of
// rounding; only a real shortfall replaces the length.
constexpr qint64 kLengthSlackMs = 50;

// The position atomic holds the epoch in its top bits, so the output thread
// can never write a position of an earlier epoch over a fresh one.
constexpr int kFrameBits = 40;
constexpr quint64 kFrameMask = (quint64(1) << kFrameBits) - 1;
constexpr quint32 kEpochMask = (quint32(1) << (64 - kFrameBits)) - 1;

quint64 packPosition(quint32 epoch, qint64 frame)
{
    return quint64(epoch & kEpochMask) << kFrameBits | (quint64(frame) & kFrameMask);
}

quint32 epochOf(quint64 packed)
{
    return quint32(packed >> kFrameBits);
}

qint64 msToFrames(qint64 milliseconds)
{
    return milliseconds * AudioOutput::kSampleRate / 1000;
}

} // namespace

bool EnginePlayer::open(const QString& path, double gain)
{
    close();
    if (path.isEmpty())
        return false;
    auto decoder = Mp3Decoder::open(path);
    if (!decoder)
        return false;
    {
        std::lock_guard lock(m_decoderMutex);
        // Set with the decoder, so the decoding thread cannot shorten it first.
        m_lengthMs.store(decoder->length().milliseconds(), std::memory_order_relaxed);
        m_decoder = std::move(decoder);
        m_songGain = int(std::lround(std::clamp(gain, 0.0, kMaxGain) * kUnityGain));
    }
    m_hasFile = true;
    return true;
}

void EnginePlayer::close()
{
    m_command.store(Stop, std::memory_order_release);
    std::unique_ptr<Mp3Decoder> old; // closed after the lock is released
    {
        std::lock_guard lock(m_decoderMutex);
        restart(0);
        old = std::move(m_decoder);
        ++m_file;
        m_seekMs.reset();
        m_lengthMs.store(0, std::memory_order_relaxed);
    }
    m_hasFile = false;
    m_pendingStart.reset();
}

void EnginePlayer::play()
{
    if (!m_hasFile)
        return;
    if (m_pendingStart) {
        std::lock_guard lock(m_decoderMutex);
        restart(msToFrames(*m_pendingStart));
        m_seekMs = *m_pendingStart;
        m_pendingStart.reset();
    }
    m_command.store(Play, std::memory_order_release);
}

void EnginePlayer::pause()
{
    if (status() == Playing)
        m_command.store(Pause, std::memory_order_release);
}

void EnginePlayer::stop()
{
    m_command.store(Stop, std::memory_order_release);
}

void EnginePlayer::setStart(qint64 milliseconds)
{
    if (m_hasFile)
        m_pendingStart = qMax<qint64>(0, milliseconds);
}

qint64 EnginePlayer::positionMs() const
{
    const qint64 frames = qint64(m_position.load(std::memory_order_acquire) & kFrameMask);
    return (frames * 1000 + AudioOutput::kSampleRate / 2) / AudioOutput::kSampleRate;
}

EnginePlayer::Status EnginePlayer::status() const
{
    switch (m_command.load(std::memory_order_acquire)) {
    case Pause:
        return Paused;
    case Play:
        // A song that played to its end counts as stopped.
        return m_endedEpoch.load(std::memory_order_acquire) == m_epoch.load(std::memory_order_acquire) ? Other
                                                                                                       : Playing;
    default:
        return Other;
    }
}

void EnginePlayer::restart(qint64 startFrame)
{
    const quint32 epoch = m_epoch.load(std::memory_order_relaxed) + 1;
    m_position.store(packPosition(epoch, startFrame), std::memory_order_release);
    m_epoch.store(epoch, std::memory_order_release);
    m_nextFrame = startFrame;
    m_endQueued = false;
}

bool EnginePlayer::decodes()
{
    std::lock_guard lock(m_decoderMutex);
    return m_decoder && !m_endQueued;
}

bool EnginePlayer::decodeAhead()
{
    bool decoded = false;
    while (PcmBlock* block = m_ring.writable()) {
        // The decoder is taken out for the read and put back afterwards; a
        // decoder whose file was closed meanwhile ends with this scope, after
        // the lock is released.
        std::unique_ptr<Mp3Decoder> decoder;
        std::optional<qint64> seekMs;
        quint64 file = 0;
        quint32 epoch = 0;
        qint64 startFrame = 0;
        int gain = kUnityGain;
        {
            std::lock_guard lock(m_decoderMutex);
            if (!m_decoder || m_endQueued)
                return decoded;
            decoder = std::move(m_decoder);
            seekMs = std::exchange(m_seekMs, std::nullopt);
            file = m_file;
            epoch = m_epoch.load(std::memory_order_relaxed);
            startFrame = m_nextFrame;
            gain = m_songGain;
        }
        if (seekMs)
            decoder->seek(*seekMs);
        const int frames = decoder->read(block->samples.data(), PcmBlock::kFrames);

        std::lock_guard lock(m_decoderMutex);
        if (file != m_file)
            return decoded;
        m_decoder = std::move(decoder);
        if (epoch != m_epoch.load(std::memory_order_relaxed))
            continue; // a jump came in: its seek is pending, the block is decoded anew
        block->epoch = epoch;
        block->startFrame = startFrame;
        block->frames = frames;
        block->last = frames < PcmBlock::kFrames;
        block->gain = gain;
        m_nextFrame += frames;
        m_endQueued = block->last;
        if (block->last)
            endFound();
        m_ring.publish();
        decoded = true;
    }
    return decoded;
}

void EnginePlayer::endFound()
{
    // A cut or mislabelled file ends before the length its header announced.
    // What plays is then the song's length, so that position and length agree
    // that it has ended.
    const qint64 playedMs = m_nextFrame * 1000 / AudioOutput::kSampleRate;
    if (playedMs + kLengthSlackMs < m_lengthMs.load(std::memory_order_relaxed))
        m_lengthMs.store(playedMs, std::memory_order_relaxed);
}

void EnginePlayer::mixInto(qint32* mix, int frames)
{
    const quint32 epoch = m_epoch.load(std::memory_order_acquire);
    const bool audible = m_command.load(std::memory_order_acquire) == Play;
    int done = 0;
    while (done < frames) {
        const PcmBlock* block = m_ring.readable();
        if (!block) {
            m_gain = 0; // whatever comes next fades in
            break;
        }
        const bool current = block->epoch == epoch;
        const int left = block->frames - m_offset;
        int target = current && audible ? kUnityGain : 0;
        int wanted = qMin(frames - done, left);
        // When the decoder falls behind, its last block fades out over its
        // end instead of breaking off at full volume.
        if (target != 0 && !block->last && !m_ring.hasSecond()) {
            if (left > kRampFrames)
                wanted = qMin(wanted, left - kRampFrames);
            else
                target = 0;
        }
        if (m_gain == 0 && target == 0) {
            if (current)
                break; // paused, stopped or waiting for the decoder: keep the place
            dropBlock();
            continue;
        }
        const int taken = mixFrames(block->samples.data() + m_offset * 2, mix + done * 2, wanted, target, block->gain);
        m_offset += taken;
        done += taken;
        if (current)
            publishPosition(epoch, block->startFrame + m_offset);
        if (m_offset == block->frames) {
            if (current && block->last)
                m_endedEpoch.store(epoch, std::memory_order_release);
            dropBlock();
        }
    }
}

int EnginePlayer::mixFrames(const qint16* source, qint32* mix, int n, int target, int songGain)
{
    int i = 0;
    for (; i < n && m_gain != target; ++i) {
        m_gain += target > m_gain ? kGainStep : -kGainStep;
        const qint64 gain = qint64(m_gain) * songGain; // Q30
        mix[2 * i] += qint32(source[2 * i] * gain >> 30);
        mix[2 * i + 1] += qint32(source[2 * i + 1] * gain >> 30);
        if (m_gain == 0)
            return i + 1;
    }
    for (; i < n; ++i) {
        mix[2 * i] += qint32(qint64(source[2 * i]) * songGain >> 15);
        mix[2 * i + 1] += qint32(qint64(source[2 * i + 1]) * songGain >> 15);
    }
    return n;
}

void EnginePlayer::publishPosition(quint32 epoch, qint64 frame)
{
    quint64 expected = m_position.load(std::memory_order_relaxed);
    if (epochOf(expected) == (epoch & kEpochMask))
        m_position.compare_exchange_strong(expected, packPosition(epoch, frame), std::memory_order_release);
}

void EnginePlayer::dropBlock()
{
    m_offset = 0;
    m_ring.release();
}

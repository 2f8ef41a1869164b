#pragma once

#include "playback/Mp3Decoder.h"
#include "playback/PcmBlockRing.h"

#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

// One player of the audio engine. Three threads meet here, each through its
// own door:
// - control (the UI thread): open, play, pause, stop, setStart;
// - decoding (the engine's worker for this player): decodeAhead fills the
//   block ring;
// - output (the sound card's thread): mixInto takes from the ring.
// Position, length and status are atomics that any thread reads without
// waiting. A new epoch starts at every open and every jump, so blocks
// decoded for an earlier one are faded out and dropped by the output.
class EnginePlayer {
public:
    enum Status { Other = 0, Paused = 1, Playing = 2 };

    EnginePlayer() = default;
    EnginePlayer(const EnginePlayer&) = delete;
    EnginePlayer& operator=(const EnginePlayer&) = delete;

    // The largest levelling gain a song plays with (+36 dB).
    static constexpr double kMaxGain = 64.0;

    // Control thread. open() closes first; false leaves the player without a
    // file. Opening reads the new file's length on the calling thread; no
    // control call waits for the decoding thread's reads. The whole song
    // plays with `gain` (a factor, limited to kMaxGain).
    bool open(const QString& path, double gain = 1.0);
    void close();
    void play();
    void pause();
    void stop();
    // Where the next play() starts, in ms.
    void setStart(qint64 milliseconds);

    // Any thread, never waits. The length is the file's, until the decoder
    // finds the song ending earlier: then it is what plays.
    qint64 positionMs() const;
    qint64 lengthMs() const { return m_lengthMs.load(std::memory_order_relaxed); }
    Status status() const;

    // Decoding thread: decodes until the ring is full; true if it decoded anything.
    bool decodeAhead();
    // Decoding thread, between reads: a file is open whose end has not been decoded yet.
    bool decodes();

    // Output thread: adds what this player plays to `mix` (interleaved stereo).
    void mixInto(qint32* mix, int frames);

private:
    enum Command { Stop, Pause, Play };

    // Starts a new epoch at startFrame; the caller holds m_decoderMutex.
    void restart(qint64 startFrame);
    // Decoding thread, under m_decoderMutex: the song's last block is decoded.
    void endFound();
    void publishPosition(quint32 epoch, qint64 frame);
    // Mixes n frames at the song's gain while moving the ramp toward target;
    // returns the frames taken, fewer than n when a fade-out reaches silence.
    int mixFrames(const qint16* source, qint32* mix, int n, int target, int songGain);
    void dropBlock();

    // Control thread only.
    bool m_hasFile = false;
    std::optional<qint64> m_pendingStart;

    // Shared by control and decoding thread, only ever held for a few
    // assignments. The decoding thread takes the decoder out while it reads,
    // so the file is never touched under the lock.
    std::mutex m_decoderMutex;
    std::unique_ptr<Mp3Decoder> m_decoder; // null while taken out
    int m_songGain = 1 << 15; // Q15, set with the decoder
    quint64 m_file = 0; // counts closes (every open closes first): a decoder taken out for an earlier file is dropped
    std::optional<qint64> m_seekMs;
    qint64 m_nextFrame = 0;
    bool m_endQueued = false;

    // Lock-free, between all threads.
    std::atomic<quint32> m_epoch { 0 };
    std::atomic<int> m_command { Stop };
    std::atomic<quint64> m_position { 0 }; // epoch and frame, see packPosition()
    std::atomic<qint64> m_lengthMs { 0 };
    std::atomic<quint32> m_endedEpoch { 0 };
    PcmBlockRing m_ring;

    // Output thread only.
    int m_offset = 0; // frames of the ring's oldest block already played
    int m_gain = 0; // Q15, ramps over a few ms to avoid clicks
};

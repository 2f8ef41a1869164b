#pragma once

#include <QtGlobal>

#include <array>
#include <atomic>
#include <vector>

// Decoded audio on its way from the decoding thread to the output thread:
// a fixed ring of blocks with one writer and one reader and no locks, so the
// output thread never waits. Each block says which opening or seek of the
// song it belongs to (epoch) and where in the song it starts, so the reader
// can drop stale audio and knows the exact position it plays.
struct PcmBlock {
    static constexpr int kFrames = 1024;

    quint32 epoch = 0;
    qint64 startFrame = 0;
    int frames = 0;
    bool last = false; // the song ends with this block
    int gain = 1 << 15; // the song's levelling gain, Q15
    std::array<qint16, kFrames * 2> samples {};
};

class PcmBlockRing {
public:
    static constexpr int kBlocks = 64; // about 1.5 s at 44.1 kHz

    PcmBlockRing()
        : m_blocks(kBlocks)
    {
    }

    // Writer: the next free block, or nullptr when the ring is full.
    PcmBlock* writable()
    {
        const unsigned tail = m_tail.load(std::memory_order_relaxed);
        if (tail - m_head.load(std::memory_order_acquire) == unsigned(kBlocks))
            return nullptr;
        return &m_blocks[tail % kBlocks];
    }
    // Writer: hands the block from writable() to the reader.
    void publish() { m_tail.fetch_add(1, std::memory_order_release); }

    // Reader: the oldest block, or nullptr when the ring is empty.
    const PcmBlock* readable() const
    {
        const unsigned head = m_head.load(std::memory_order_relaxed);
        if (head == m_tail.load(std::memory_order_acquire))
            return nullptr;
        return &m_blocks[head % kBlocks];
    }
    // Reader: whether a block follows the one from readable().
    bool hasSecond() const
    {
        return m_tail.load(std::memory_order_acquire) - m_head.load(std::memory_order_relaxed) >= 2;
    }
    // Reader: gives the block from readable() back to the writer.
    void release() { m_head.fetch_add(1, std::memory_order_release); }

private:
    std::vector<PcmBlock> m_blocks;
    std::atomic<unsigned> m_head { 0 };
    std::atomic<unsigned> m_tail { 0 };
};

#include "platform/SilentAudioOutput.h"

#include <chrono>

namespace {
constexpr auto kTick = std::chrono::milliseconds(10);
constexpr int kChunkFrames = 1024;
// After a stall (a stopped or starved process, a machine back from sleep)
// at most this much is caught up; the rest is skipped, so the songs do not
// rush to their ends.
constexpr qint64 kMostBehind = AudioOutput::kSampleRate;
} // namespace

SilentAudioOutput::~SilentAudioOutput()
{
    stop();
}

bool SilentAudioOutput::start(Source source)
{
    stop();
    m_source = std::move(source);
    m_stopping = false;
    m_buffer.assign(std::size_t(kChunkFrames) * kChannels, 0);
    m_thread = std::thread([this] { run(); });
    return true;
}

void SilentAudioOutput::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
    m_source = nullptr;
}

void SilentAudioOutput::run()
{
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    qint64 pulled = 0;
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, kTick, [this] { return m_stopping; })) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started);
        const qint64 due = elapsed.count() * kSampleRate / 1000000;
        // Counting from the start rather than per tick keeps late wake-ups
        // from making the silent clock drift behind real time.
        pulled = qMax(pulled, due - kMostBehind);
        while (pulled < due) {
            const int frames = int(qMin<qint64>(kChunkFrames, due - pulled));
            m_source(m_buffer.data(), frames);
            pulled += frames;
        }
    }
}

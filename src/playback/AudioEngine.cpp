#include "playback/AudioEngine.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace {
// The rings hold 1.5 s; a look this often refills them long before they run dry.
constexpr auto kDecodeInterval = std::chrono::milliseconds(20);
} // namespace

AudioEngine::AudioEngine(std::unique_ptr<AudioOutput> device, OutputSupervisor::Timing timing, QObject* parent)
    : QObject(parent)
    , m_mixer({ &m_players[0], &m_players[1], &m_players[2] })
{
    // One decoding thread per player: a slow read of one song never holds
    // up the refill of another.
    for (std::size_t i = 0; i < m_players.size(); ++i)
        m_decoders[i] = std::thread([this, i] { decodeLoop(m_players[i]); });
    m_supervisor = std::make_unique<OutputSupervisor>(
        std::move(device), [this](qint16* samples, int frames) { m_mixer.render(samples, frames); },
        [this](const QString& text) {
            QMetaObject::invokeMethod(
                this, [this, text] { emit notice(text); }, Qt::QueuedConnection);
        },
        timing,
        [this] {
            return std::any_of(m_players.begin(), m_players.end(),
                [](const EnginePlayer& player) { return player.status() == EnginePlayer::Playing; });
        });
}

AudioEngine::~AudioEngine()
{
    m_supervisor.reset();
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (std::thread& decoder : m_decoders)
        decoder.join();
}

EnginePlayer& AudioEngine::player(int index)
{
    if (index < 0 || index >= kPlayers)
        throw std::out_of_range("player index");
    return m_players[std::size_t(index)];
}

void AudioEngine::wake()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_wakes;
    }
    m_wake.notify_all();
    m_supervisor->wake();
}

void AudioEngine::decodeLoop(EnginePlayer& player)
{
    std::unique_lock lock(m_mutex);
    quint64 seen = m_wakes;
    while (!m_stopping) {
        lock.unlock();
        const bool decoded = player.decodeAhead();
        lock.lock();
        const auto woken = [&] { return m_stopping || m_wakes != seen; };
        // Without a file to decode there is nothing to look at until an open or a jump wakes the thread.
        if (!decoded && player.decodes())
            m_wake.wait_for(lock, kDecodeInterval, woken);
        else if (!decoded)
            m_wake.wait(lock, woken);
        seen = m_wakes;
    }
}

#include "playback/AudioEngine.h"

#include <chrono>
#include <stdexcept>

namespace {
// The rings hold 1.5 s; looking four times that often keeps them full.
constexpr auto kDecodeInterval = std::chrono::milliseconds(20);
} // namespace

AudioEngine::AudioEngine(std::unique_ptr<AudioOutput> device, OutputSupervisor::Timing timing, QObject* parent)
    : QObject(parent)
    , m_mixer({ &m_players[0], &m_players[1], &m_players[2] })
{
    m_decoder = std::thread([this] { decodeLoop(); });
    m_supervisor = std::make_unique<OutputSupervisor>(
        std::move(device), [this](qint16* samples, int frames) { m_mixer.render(samples, frames); },
        [this](const QString& text) {
            QMetaObject::invokeMethod(
                this, [this, text] { emit notice(text); }, Qt::QueuedConnection);
        },
        timing);
}

AudioEngine::~AudioEngine()
{
    m_supervisor.reset();
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_decoder.join();
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
        m_woken = true;
    }
    m_wake.notify_one();
}

void AudioEngine::decodeLoop()
{
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        lock.unlock();
        bool decoded = false;
        for (EnginePlayer& player : m_players)
            decoded = player.decodeAhead() || decoded;
        lock.lock();
        if (!decoded)
            m_wake.wait_for(lock, kDecodeInterval, [this] { return m_stopping || m_woken; });
        m_woken = false;
    }
}

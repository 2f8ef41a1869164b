#include "playback/OutputSupervisor.h"

#include <algorithm>

namespace {
const char* const kNoDevice = "Kein Audiogerät gefunden: Die Titel laufen ohne Ton.";
const char* const kDeviceLost = "Das Audiogerät ist ausgefallen: Die Titel laufen ohne Ton weiter.";
const char* const kDeviceBack = "Das Audiogerät ist wieder da.";
} // namespace

OutputSupervisor::OutputSupervisor(
    std::unique_ptr<AudioOutput> device, AudioOutput::Source source, Notify notify, Timing timing)
    : m_device(std::move(device))
    , m_source(std::move(source))
    , m_notify(std::move(notify))
    , m_timing(timing)
{
    if (!m_device->start(gate(Device))) {
        fallBackToSilence();
        m_notify(QString::fromUtf8(kNoDevice));
    }
    m_watcher = std::thread([this] { watch(); });
}

OutputSupervisor::~OutputSupervisor()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_watcher.join();
    m_device->stop();
    m_silence.stop();
}

void OutputSupervisor::watch()
{
    auto lastTry = std::chrono::steady_clock::now();
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, m_timing.check, [this] { return m_stopping; })) {
        // The device calls can take long (a sound server that does not
        // answer); shutting down waits only for the call under way.
        lock.unlock();
        if (!silent()) {
            if (m_device->lost()) {
                fallBackToSilence();
                m_notify(QString::fromUtf8(kDeviceLost));
                lastTry = std::chrono::steady_clock::now();
            }
        } else if (std::chrono::steady_clock::now() - lastTry >= m_timing.retry) {
            if (tryDevice())
                m_notify(QString::fromUtf8(kDeviceBack));
            lastTry = std::chrono::steady_clock::now();
        }
        lock.lock();
    }
}

void OutputSupervisor::fallBackToSilence()
{
    m_silence.start(gate(Silent));
    activate(Silent);
    m_device->stop();
}

bool OutputSupervisor::tryDevice()
{
    // The silent output goes on until the device really takes over, so a
    // slow or failing reopen costs no position.
    if (!m_device->start(gate(Device)))
        return false;
    activate(Device);
    m_silence.stop();
    return true;
}

AudioOutput::Source OutputSupervisor::gate(Output output)
{
    return [this, output](qint16* samples, int frames) {
        std::lock_guard lock(m_renderMutex);
        if (m_active.load(std::memory_order_relaxed) == output)
            m_source(samples, frames);
        else
            std::fill_n(samples, frames * AudioOutput::kChannels, qint16(0));
    };
}

void OutputSupervisor::activate(Output output)
{
    std::lock_guard lock(m_renderMutex);
    m_active.store(output);
}

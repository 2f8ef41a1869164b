#include "playback/OutputSupervisor.h"

#include <algorithm>
#include <utility>

namespace {
const char* const kNoDevice = "Kein Audiogerät gefunden: Die Titel laufen ohne Ton.";
const char* const kDeviceLost = "Das Audiogerät ist ausgefallen: Die Titel laufen ohne Ton weiter.";
const char* const kDeviceBack = "Das Audiogerät ist wieder da.";
} // namespace

OutputSupervisor::OutputSupervisor(
    std::unique_ptr<AudioOutput> device, AudioOutput::Source source, Notify notify, Timing timing, Busy busy)
    : m_device(std::move(device))
    , m_source(std::move(source))
    , m_notify(std::move(notify))
    , m_timing(timing)
    , m_busy(std::move(busy))
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

void OutputSupervisor::wake()
{
    {
        std::lock_guard lock(m_mutex);
        m_wakeRequested = true;
    }
    m_wake.notify_all();
}

void OutputSupervisor::watch()
{
    auto lastTry = std::chrono::steady_clock::now();
    auto lastBusy = lastTry;
    std::unique_lock lock(m_mutex);
    // The device calls can take long (a sound server that does not answer);
    // they run unlocked, so shutting down waits only for the call under way.
    while (!m_stopping) {
        if (m_resting) {
            m_wake.wait(lock, [this] { return m_stopping || m_wakeRequested; });
            if (m_stopping)
                break;
            m_wakeRequested = false;
            lock.unlock();
            resume();
            lastTry = lastBusy = std::chrono::steady_clock::now();
        } else {
            if (m_wake.wait_for(lock, m_timing.check, [this] { return m_stopping; }))
                break;
            if (std::exchange(m_wakeRequested, false))
                lastBusy = std::chrono::steady_clock::now();
            lock.unlock();
            if (check(lastTry, lastBusy))
                rest();
        }
        lock.lock();
    }
}

bool OutputSupervisor::check(
    std::chrono::steady_clock::time_point& lastTry, std::chrono::steady_clock::time_point& lastBusy)
{
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
    const auto now = std::chrono::steady_clock::now();
    if (!m_busy || m_busy())
        lastBusy = now;
    return now - lastBusy >= m_timing.idle;
}

void OutputSupervisor::rest()
{
    m_device->stop();
    m_silence.stop();
    m_resting = true;
}

void OutputSupervisor::resume()
{
    const bool wasSilent = silent();
    if (m_device->start(gate(Device))) {
        activate(Device);
        if (wasSilent)
            m_notify(QString::fromUtf8(kDeviceBack));
    } else {
        m_silence.start(gate(Silent));
        activate(Silent);
        if (!wasSilent)
            m_notify(QString::fromUtf8(kDeviceLost));
    }
    m_resting = false;
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

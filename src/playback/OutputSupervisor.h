#pragma once

#include "platform/AudioOutput.h"
#include "platform/SilentAudioOutput.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Keeps the engine's sound flowing: plays on the device when there is one
// and on a silent output that keeps real-time pace when there is none or it
// went away (unplugged, sound server gone). Watches the device on its own
// thread and tries to reopen a lost one every few seconds. Only one output
// feeds the source at a time, so positions go on without a jump.
class OutputSupervisor {
public:
    struct Timing {
        std::chrono::milliseconds check { 250 };
        std::chrono::milliseconds retry { 3000 };
    };
    // Told on switches, with a German text for the operator.
    using Notify = std::function<void(const QString&)>;

    OutputSupervisor(std::unique_ptr<AudioOutput> device, AudioOutput::Source source, Notify notify, Timing timing);
    ~OutputSupervisor();
    OutputSupervisor(const OutputSupervisor&) = delete;
    OutputSupervisor& operator=(const OutputSupervisor&) = delete;

    // True while the silent output stands in for the device.
    bool silent() const { return m_active.load() == Silent; }

private:
    enum Output { Device, Silent };

    void watch();
    void fallBackToSilence();
    bool tryDevice();
    // What an output pulls: the source while it is the active one, else silence.
    AudioOutput::Source gate(Output output);
    void activate(Output output);

    std::unique_ptr<AudioOutput> m_device;
    SilentAudioOutput m_silence;
    AudioOutput::Source m_source;
    Notify m_notify;
    Timing m_timing;

    std::mutex m_renderMutex; // held while an output renders; contended only while switching
    std::atomic<Output> m_active { Device };

    std::thread m_watcher;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
};

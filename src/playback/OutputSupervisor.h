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
// When nothing has needed the output for a while, both outputs stop and the
// watcher sleeps: a waiting jukebox costs no wake-ups. wake() brings the
// output back before the next block is due.
class OutputSupervisor {
public:
    struct Timing {
        std::chrono::milliseconds check { 250 };
        std::chrono::milliseconds retry { 3000 };
        std::chrono::milliseconds idle { 1000 };
    };
    // Whether anything needs the output now (a player playing); asked on the watcher's thread.
    using Busy = std::function<bool()>;
    // Told on switches, with a German text for the operator.
    using Notify = std::function<void(const QString&)>;

    OutputSupervisor(
        std::unique_ptr<AudioOutput> device, AudioOutput::Source source, Notify notify, Timing timing, Busy busy);
    ~OutputSupervisor();
    OutputSupervisor(const OutputSupervisor&) = delete;
    OutputSupervisor& operator=(const OutputSupervisor&) = delete;

    // True while the silent output stands in for the device.
    bool silent() const { return m_active.load() == Silent; }
    // Something may need the output soon: restarts it if it rests.
    void wake();
    // True while both outputs rest.
    bool resting() const { return m_resting.load(); }

private:
    enum Output { Device, Silent };

    void watch();
    // Watcher thread: the checks of one interval; whether the output should rest now.
    bool check(std::chrono::steady_clock::time_point& lastTry, std::chrono::steady_clock::time_point& lastBusy);
    void rest();
    void resume();
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
    Busy m_busy;
    std::atomic<bool> m_resting { false };

    std::mutex m_renderMutex; // held while an output renders; contended only while switching
    std::atomic<Output> m_active { Device };

    std::thread m_watcher;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    bool m_wakeRequested = false;
};

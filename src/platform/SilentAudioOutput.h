#pragma once

#include "platform/AudioOutput.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Plays into nothing at real-time pace: a thread pulls as many frames from
// the source as the steady clock says have passed. Stands in when there is
// no sound card, so positions and song ends go on as if one were there.
// After a stall it catches up at most one second.
class SilentAudioOutput : public AudioOutput {
public:
    SilentAudioOutput() = default;
    ~SilentAudioOutput() override;
    SilentAudioOutput(const SilentAudioOutput&) = delete;
    SilentAudioOutput& operator=(const SilentAudioOutput&) = delete;

    bool start(Source source) override;
    void stop() override;
    bool lost() const override { return false; }

private:
    void run();

    Source m_source;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::vector<qint16> m_buffer;
};

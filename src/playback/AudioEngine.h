#pragma once

#include "playback/EnginePlayer.h"
#include "playback/OutputSupervisor.h"
#include "playback/PlayerMixer.h"

#include <QObject>

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class AudioOutput;

// Three players, each with a decoding thread that keeps its ring filled,
// and one output stream that mixes the players (see OutputSupervisor for
// what happens when the device goes away). The output device is injected so
// that tests and benchmarks run on SDL's dummy or disk driver or a fake.
class AudioEngine : public QObject {
    Q_OBJECT

public:
    static constexpr int kPlayers = 3;

    explicit AudioEngine(
        std::unique_ptr<AudioOutput> device, OutputSupervisor::Timing timing = {}, QObject* parent = nullptr);
    ~AudioEngine() override;

    // Players 0 and 1 play, 2 measures; anything else throws std::out_of_range.
    EnginePlayer& player(int index);
    // Tells the decoding threads that a player has new work, and brings a resting output back.
    void wake();
    // True while the silent output stands in for a missing device.
    bool silent() const { return m_supervisor->silent(); }
    // True while no output runs because nothing has played for a while.
    bool resting() const { return m_supervisor->resting(); }

signals:
    // A German notice for the operator (no device, device lost or back).
    // Always delivered through the event loop, also for the notice at start.
    void notice(const QString& text);

private:
    void decodeLoop(EnginePlayer& player);

    std::array<EnginePlayer, kPlayers> m_players;
    PlayerMixer m_mixer;

    std::array<std::thread, kPlayers> m_decoders;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    quint64 m_wakes = 0;
    bool m_stopping = false;

    // Last: its output calls the mixer until it is destroyed.
    std::unique_ptr<OutputSupervisor> m_supervisor;
};

#pragma once

#include <QtGlobal>

#include <functional>

// A sound output that pulls interleaved 16-bit stereo at kSampleRate from a
// source on its own thread. The real device and the silent stand-in share
// this interface, so the engine never knows which one is playing.
class AudioOutput {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;

    // Fills `frames` stereo frames; called on the output's thread, never
    // concurrently with itself.
    using Source = std::function<void(qint16* samples, int frames)>;

    virtual ~AudioOutput() = default;

    // Starts pulling from source; false when there is nothing to play on.
    virtual bool start(Source source) = 0;
    // Stops pulling; when it returns the source is no longer called.
    virtual void stop() = 0;
    // True once a started output has lost its device.
    virtual bool lost() const = 0;
};

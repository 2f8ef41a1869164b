#pragma once

// What the output thread spends mixing two playing players: their decoding
// runs between the timed calls, as on its own threads in the program.

#include "platform/AudioOutput.h"
#include "playback/EnginePlayer.h"
#include "playback/PlayerMixer.h"

#include <QElapsedTimer>

#include <vector>

namespace Mischzeit {

// Nanoseconds of mixing `seconds` of audio, in the buffers SDL asks for.
inline qint64 zweiSpieler(EnginePlayer& first, EnginePlayer& second, int seconds)
{
    constexpr int kBufferFrames = 1024;
    PlayerMixer mixer({ &first, &second });
    std::vector<qint16> out(kBufferFrames * AudioOutput::kChannels);
    qint64 mixingNs = 0;
    for (qint64 frames = 0; frames < qint64(seconds) * AudioOutput::kSampleRate; frames += kBufferFrames) {
        first.decodeAhead();
        second.decodeAhead();
        QElapsedTimer timer;
        timer.start();
        mixer.render(out.data(), kBufferFrames);
        mixingNs += timer.nsecsElapsed();
    }
    return mixingNs;
}

} // namespace Mischzeit

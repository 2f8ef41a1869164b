#pragma once

#include "platform/AudioOutput.h"

#include <SDL2/SDL_audio.h>

// The sound card, through SDL's audio subsystem alone. SDL converts our
// fixed format to whatever the device wants.
class SdlAudioOutput : public AudioOutput {
public:
    SdlAudioOutput() = default;
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    bool start(Source source) override;
    void stop() override;
    bool lost() const override;

private:
    static void callback(void* userdata, Uint8* stream, int len);

    Source m_source;
    SDL_AudioDeviceID m_device = 0;
};

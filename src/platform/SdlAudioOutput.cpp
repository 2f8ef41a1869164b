#include "platform/SdlAudioOutput.h"

#include <SDL2/SDL.h>

SdlAudioOutput::~SdlAudioOutput()
{
    stop();
}

bool SdlAudioOutput::start(Source source)
{
    stop();
    // The subsystem is started per device so that a retry after the device
    // went away also picks up a restarted sound server or a new default card.
    // SDL would turn SIGINT and SIGTERM into a quit event that nobody reads,
    // so neither the session nor a shutdown could end the jukebox.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    m_source = std::move(source);
    SDL_AudioSpec want {};
    want.freq = kSampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = 1024;
    want.callback = &SdlAudioOutput::callback;
    want.userdata = this;
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (m_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_source = nullptr;
        return false;
    }
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SdlAudioOutput::stop()
{
    if (m_device == 0)
        return;
    // Closing waits for a running callback, so the source is free afterwards.
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    m_source = nullptr;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioOutput::lost() const
{
    // SDL marks a removed device stopped at the same moment it posts
    // SDL_AUDIODEVICEREMOVED; asking the status needs no event loop.
    return m_device != 0 && SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED;
}

void SdlAudioOutput::callback(void* userdata, Uint8* stream, int len)
{
    auto* self = static_cast<SdlAudioOutput*>(userdata);
    self->m_source(reinterpret_cast<qint16*>(stream), len / int(sizeof(qint16) * kChannels));
}

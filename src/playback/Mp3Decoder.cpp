#include "playback/Mp3Decoder.h"

#include "platform/AudioOutput.h"

#include <mpg123.h>
#include <SDL2/SDL_audio.h>

#include <mutex>

namespace {

constexpr int kOutputFrameBytes = int(sizeof(qint16)) * AudioOutput::kChannels;
constexpr std::size_t kDecodeBytes = 16 * 1024;
// Same junk limit as Mp3Length's search for the first frame.
constexpr long kResyncLimit = 64 * 1024;
// More than SDL's resampler holds back at any rate ratio.
constexpr int kFlushPadding = 2048;

void initLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

} // namespace

std::unique_ptr<Mp3Decoder> Mp3Decoder::open(const QString& path)
{
    std::unique_ptr<Mp3Decoder> decoder(new Mp3Decoder);
    if (!decoder->start(path))
        return nullptr;
    return decoder;
}

Mp3Decoder::~Mp3Decoder()
{
    if (m_convert)
        SDL_FreeAudioStream(m_convert);
    if (m_handle) {
        mpg123_close(m_handle);
        mpg123_delete(m_handle);
    }
}

bool Mp3Decoder::start(const QString& path)
{
    initLibrary();
    m_handle = mpg123_new(nullptr, nullptr);
    if (!m_handle)
        return false;
    // No Frankenstein streams: playback ends where the Xing frame count says,
    // which is where Mp3Length ends too.
    mpg123_param(
        m_handle, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET | MPG123_SKIP_ID3V2 | MPG123_NO_FRANKENSTEIN, 0);
    mpg123_param(m_handle, MPG123_RESYNC_LIMIT, kResyncLimit, 0);
    mpg123_format_none(m_handle);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(m_handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);

    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly) || mpg123_open_fd(m_handle, m_file.handle()) != MPG123_OK)
        return false;
    m_pcm.resize(kDecodeBytes);
    return setUpConversion();
}

bool Mp3Decoder::setUpConversion()
{
    int encoding = 0;
    if (mpg123_getformat(m_handle, &m_rate, &m_channels, &encoding) != MPG123_OK)
        return false;
    // Songs at the output format pass through unchanged; a mid-song format
    // change drops the few samples still held by the old converter.
    if (m_convert)
        SDL_FreeAudioStream(m_convert);
    m_convert = SDL_NewAudioStream(
        AUDIO_S16SYS, Uint8(m_channels), int(m_rate), AUDIO_S16SYS, AudioOutput::kChannels, AudioOutput::kSampleRate);
    m_flushed = false;
    m_framesIn = 0;
    m_framesOut = 0;
    return m_convert != nullptr;
}

void Mp3Decoder::seek(qint64 milliseconds)
{
    mpg123_seek(m_handle, off_t(milliseconds * m_rate / 1000), SEEK_SET);
    SDL_AudioStreamClear(m_convert);
    m_flushed = false;
    m_framesIn = 0;
    m_framesOut = 0;
}

int Mp3Decoder::read(qint16* stereo, int frames)
{
    int done = 0;
    while (done < frames) {
        // After the end, exactly the converted length of what was decoded.
        const qint64 left = m_flushed ? expectedOutput() - m_framesOut : frames - done;
        const int wanted = int(qMin<qint64>(frames - done, left));
        if (wanted <= 0)
            break;
        const int got
            = SDL_AudioStreamGet(m_convert, stereo + done * AudioOutput::kChannels, wanted * kOutputFrameBytes);
        if (got > 0) {
            done += got / kOutputFrameBytes;
            m_framesOut += got / kOutputFrameBytes;
            continue;
        }
        if (m_flushed || got < 0)
            break;
        if (!decodeMore())
            finishConversion();
    }
    return done;
}

void Mp3Decoder::finishConversion()
{
    // SDL's resampler keeps its last few hundred input frames even through a
    // flush; silence behind the song pushes them out, and expectedOutput()
    // cuts the silence off again.
    const std::vector<unsigned char> silence(std::size_t(kFlushPadding) * m_channels * sizeof(qint16), 0);
    SDL_AudioStreamPut(m_convert, silence.data(), int(silence.size()));
    SDL_AudioStreamFlush(m_convert);
    m_flushed = true;
}

qint64 Mp3Decoder::expectedOutput() const
{
    return m_framesIn * AudioOutput::kSampleRate / m_rate;
}

bool Mp3Decoder::decodeMore()
{
    size_t got = 0;
    const int result = mpg123_read(m_handle, m_pcm.data(), m_pcm.size(), &got);
    if (got > 0) {
        SDL_AudioStreamPut(m_convert, m_pcm.data(), int(got));
        m_framesIn += qint64(got) / (qint64(m_channels) * qint64(sizeof(qint16)));
    }
    if (result == MPG123_NEW_FORMAT)
        return setUpConversion();
    return result == MPG123_OK || got > 0;
}

#include "playback/Mp3Decoder.h"

#include "platform/AudioOutput.h"

#include <mpg123.h>
#include <SDL2/SDL_audio.h>

#include <mutex>

namespace {

constexpr int kOutputFrameBytes = int(sizeof(qint16)) * AudioOutput::kChannels;
constexpr std::size_t kDecodeBytes = 16 * 1024;
constexpr qint64 kReadChunk = 64 * 1024;
// More than SDL's resampler holds back at any rate ratio.
constexpr int kFlushPadding = 2048;
// A Layer III frame may take up to 511 bytes of its data from the frames in
// front of it; after a jump this many frames are decoded and dropped first
// (enough at the smallest frames of 72 bytes).
constexpr qint64 kPrimingFrames = 8;

void initLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

} // namespace

std::unique_ptr<Mp3Decoder> Mp3Decoder::open(const QString& path)
{
    const auto layout = Mp3Length::layout(path);
    if (!layout)
        return nullptr;
    std::unique_ptr<Mp3Decoder> decoder(new Mp3Decoder(*layout));
    if (!decoder->start(path))
        return nullptr;
    return decoder;
}

Mp3Decoder::Mp3Decoder(const Mp3Length::Layout& layout)
    : m_layout(layout)
{
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
    // The frames come clean from the walker; libmpg123 must neither cut nor
    // stop on its own, or it would disagree with the measured length.
    mpg123_param(m_handle, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0);
    mpg123_param(m_handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    const long rate = m_layout.stream.sampleRate;
    mpg123_format_none(m_handle);
    if (mpg123_format(m_handle, rate, MPG123_STEREO, MPG123_ENC_SIGNED_16) != MPG123_OK)
        return false;
    m_convert = SDL_NewAudioStream(
        AUDIO_S16SYS, 2, int(rate), AUDIO_S16SYS, AudioOutput::kChannels, AudioOutput::kSampleRate);
    m_file.setFileName(path);
    if (!m_convert || !m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    m_pcm.resize(kDecodeBytes);
    m_keepFrom = m_layout.skipSamples;
    m_keepTo = m_layout.skipSamples + m_layout.duration.samples;
    return restartAt(0);
}

bool Mp3Decoder::restartAt(qint64 frame)
{
    mpg123_close(m_handle);
    if (mpg123_open_feed(m_handle) != MPG123_OK)
        return false;
    m_walker.emplace(m_file, m_layout.audioStart, m_layout.audioEnd, m_layout.stream, kReadChunk);
    for (qint64 i = 0; i < frame && m_walker->next(); ++i) { }
    m_decoded = frame * m_layout.stream.samplesPerFrame();
    m_fedAll = false;
    m_lastHeader.clear();
    return true;
}

void Mp3Decoder::seek(qint64 milliseconds)
{
    const qint64 song = qBound<qint64>(0, milliseconds * m_layout.stream.sampleRate / 1000, length().samples);
    m_keepFrom = m_layout.skipSamples + song;
    const qint64 frame = m_keepFrom / m_layout.stream.samplesPerFrame();
    restartAt(qMax<qint64>(0, frame - kPrimingFrames));
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
    const std::vector<unsigned char> silence(std::size_t(kFlushPadding) * 2 * sizeof(qint16), 0);
    SDL_AudioStreamPut(m_convert, silence.data(), int(silence.size()));
    SDL_AudioStreamFlush(m_convert);
    m_flushed = true;
}

qint64 Mp3Decoder::expectedOutput() const
{
    return m_framesIn * AudioOutput::kSampleRate / m_layout.stream.sampleRate;
}

bool Mp3Decoder::decodeMore()
{
    while (m_decoded < m_keepTo) {
        size_t got = 0;
        const int result = mpg123_read(m_handle, m_pcm.data(), m_pcm.size(), &got);
        if (got > 0) {
            keep(qint64(got) / (2 * qint64(sizeof(qint16))));
            return true;
        }
        if (result == MPG123_NEED_MORE) {
            if (!feedNextFrame())
                return false;
        } else if (result != MPG123_NEW_FORMAT && result != MPG123_OK) {
            return false;
        }
    }
    return false;
}

bool Mp3Decoder::feedNextFrame()
{
    if (const auto frame = m_walker->next()) {
        m_lastHeader = QByteArray(reinterpret_cast<const char*>(frame->data), 4);
        return mpg123_feed(m_handle, frame->data, std::size_t(frame->bytes)) == MPG123_OK;
    }
    // libmpg123 takes the first frame (and learns a free-format frame size)
    // only once it sees the header behind it: a copy of the last header lets
    // it decode a song of one frame, and is itself never decoded.
    if (m_fedAll || m_lastHeader.isEmpty())
        return false;
    m_fedAll = true;
    return mpg123_feed(m_handle, reinterpret_cast<const uchar*>(m_lastHeader.constData()), 4) == MPG123_OK;
}

void Mp3Decoder::keep(qint64 samples)
{
    const qint64 from = qMax(m_decoded, m_keepFrom);
    const qint64 to = qMin(m_decoded + samples, m_keepTo);
    if (to > from) {
        const int frameBytes = 2 * int(sizeof(qint16));
        SDL_AudioStreamPut(m_convert, m_pcm.data() + (from - m_decoded) * frameBytes, int((to - from) * frameBytes));
        m_framesIn += to - from;
    }
    m_decoded += samples;
}

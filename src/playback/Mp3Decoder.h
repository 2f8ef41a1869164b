#pragma once

#include "playback/Mp3Length.h"
#include "playback/MpegFrameWalker.h"

#include <QFile>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

struct mpg123_handle_struct;
struct _SDL_AudioStream;

// Decodes one MP3 file to the output format (16-bit stereo at
// AudioOutput::kSampleRate), converting rate and channels on the way so that
// every MPEG sample rate plays at its pitch. libmpg123 only decodes: it is fed
// exactly the frames MpegFrameWalker finds, and the gapless cut (LAME encoder
// delay and padding) is made here, so what comes out is the length
// Mp3Length measures. Not thread-safe; the engine uses it from one thread at
// a time.
class Mp3Decoder {
public:
    // nullptr when the path is no regular file, cannot be opened or holds no
    // MPEG audio.
    static std::unique_ptr<Mp3Decoder> open(const QString& path);
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    // What plays, at the song's own rate.
    const Mp3Length::Duration& length() const { return m_layout.duration; }

    // Continues from `milliseconds` into the song.
    void seek(qint64 milliseconds);
    // Fills up to `frames` stereo frames; fewer only at the end of the song.
    int read(qint16* stereo, int frames);

private:
    explicit Mp3Decoder(const Mp3Length::Layout& layout);
    bool start(const QString& path);
    // Starts decoding afresh at the stream's frame `frame`.
    bool restartAt(qint64 frame);
    // Decodes the next piece into the converter; false at the end of the song.
    bool decodeMore();
    bool feedNextFrame();
    // Hands the part of `samples` decoded samples that belongs to the song to the converter.
    void keep(qint64 samples);
    void finishConversion();
    // Output frames that the input decoded since the last seek converts to.
    qint64 expectedOutput() const;

    Mp3Length::Layout m_layout;
    QFile m_file;
    std::optional<MpegFrameWalker> m_walker;
    mpg123_handle_struct* m_handle = nullptr;
    _SDL_AudioStream* m_convert = nullptr;
    QByteArray m_lastHeader; // fed once more after the last frame, see feedNextFrame()
    bool m_fedAll = false;
    qint64 m_decoded = 0; // samples decoded, counted from the first audio frame
    qint64 m_keepFrom = 0; // the first decoded sample that plays
    qint64 m_keepTo = 0; // behind the last decoded sample that plays
    bool m_flushed = false;
    qint64 m_framesIn = 0; // kept since the last seek, at the song's rate
    qint64 m_framesOut = 0; // handed out since the last seek, at the output rate
    std::vector<unsigned char> m_pcm;
};

#pragma once

#include <QFile>
#include <QString>

#include <memory>
#include <vector>

struct mpg123_handle_struct;
struct _SDL_AudioStream;

// Decodes one MP3 file to the output format (16-bit stereo at
// AudioOutput::kSampleRate), converting rate and channels on the way so that
// every MPEG sample rate plays at its pitch. Gapless: the LAME encoder delay
// and padding are cut, as Mp3Length counts them. Not thread-safe; the engine
// uses it from one thread at a time.
class Mp3Decoder {
public:
    // nullptr when the file cannot be opened or holds no decodable audio.
    static std::unique_ptr<Mp3Decoder> open(const QString& path);
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    // Continues from `milliseconds` into the song.
    void seek(qint64 milliseconds);
    // Fills up to `frames` stereo frames; fewer only at the end of the song.
    int read(qint16* stereo, int frames);

private:
    Mp3Decoder() = default;
    bool start(const QString& path);
    bool setUpConversion();
    // Decodes the next piece into m_pcm; false at the end or on a hard error.
    bool decodeMore();
    void finishConversion();
    // Output frames that the input decoded since the last seek converts to.
    qint64 expectedOutput() const;

    QFile m_file;
    mpg123_handle_struct* m_handle = nullptr;
    _SDL_AudioStream* m_convert = nullptr;
    long m_rate = 0;
    int m_channels = 0;
    bool m_flushed = false;
    qint64 m_framesIn = 0; // decoded since the last seek, at the song's rate
    qint64 m_framesOut = 0; // handed out since the last seek, at the output rate
    std::vector<unsigned char> m_pcm;
};

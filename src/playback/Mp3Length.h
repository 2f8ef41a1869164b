#pragma once

#include <QString>

#include <optional>

// The playing time of an MP3 file, read from the file alone: from a Xing/Info
// header (less the LAME encoder delay and padding) or a VBRI header when the
// first frame carries one whose counts fit the file, otherwise by walking
// every frame header between the leading ID3v2 tags and the trailing
// ID3v1/APEv2/Lyrics3 tags. Counts exactly the samples Mp3Decoder puts out,
// so a song's measured length and its player's length agree.
class Mp3Length {
public:
    struct Duration {
        qint64 samples = 0;
        int sampleRate = 0;
        qint64 milliseconds() const { return samples * 1000 / sampleRate; }
    };

    // nullopt when the file cannot be read or holds no MPEG audio.
    static std::optional<Duration> of(const QString& path);
};

#pragma once

#include "playback/MpegFrameHeader.h"

#include <QString>

#include <optional>

// The playing time of an MP3 file, read from the file alone: from a Xing/Info
// header (less the LAME encoder delay and padding) or a VBRI header when the
// first frame carries one whose counts fit the file and whose audio ends in
// whole frames, otherwise by walking the frames (MpegFrameWalker) between the
// leading ID3v2 tags and the trailing ID3v1/APEv2/Lyrics3 tags. Mp3Decoder
// plays what the layout describes, so a song's measured length and what its
// player puts out agree to the sample.
class Mp3Length {
public:
    struct Duration {
        qint64 samples = 0;
        int sampleRate = 0;
        qint64 milliseconds() const { return samples * 1000 / sampleRate; }
    };

    // Where a file's audio lies and which of its decoded samples play.
    struct Layout {
        Duration duration;
        MpegFrameHeader stream; // of the first frame; the free-format size filled in
        qint64 audioStart = 0; // the first frame that is decoded (behind an info frame)
        qint64 audioEnd = 0; // in front of the trailing tags
        qint64 skipSamples = 0; // decoded samples in front of the song (gapless)
    };

    // nullopt when the path is no regular file, cannot be read or holds no
    // MPEG audio.
    static std::optional<Duration> of(const QString& path);
    static std::optional<Layout> layout(const QString& path);
};

#pragma once

#include <QtGlobal>

#include <optional>

// The four header bytes in front of every MPEG audio frame (layers I-III,
// MPEG 1, 2 and 2.5), decoded into what length measuring needs.
struct MpegFrameHeader {
    enum class Version { Mpeg1, Mpeg2, Mpeg25 };

    Version version = Version::Mpeg1;
    int layer = 3;
    int bitrateKbps = 0;
    int sampleRate = 0;
    bool padding = false;
    bool mono = false;
    // A free-format stream (bit-rate index 0) has one frame size, without
    // padding, that only the distance between two headers tells.
    int freeBytes = 0;

    // Parses big-endian header bytes; nullopt for anything that is not a
    // usable header (no sync, reserved fields).
    static std::optional<MpegFrameHeader> parse(const uchar* bytes);

    bool freeFormat() const { return bitrateKbps == 0; }

    int frameBytes() const;
    // The size of a frame of this stream at its lowest bitrate: no frame of
    // the stream is smaller.
    int smallestFrameBytes() const;
    int samplesPerFrame() const;
    // Bytes of Layer III side information after the header; a Xing or VBRI
    // header sits right behind it.
    int sideInfoBytes() const;
    // Frames of one stream share version, layer, sample rate, channel count
    // and free format; the decoder treats any other header as a new stream.
    bool sameStreamAs(const MpegFrameHeader& other) const;
};

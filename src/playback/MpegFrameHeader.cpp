#include "playback/MpegFrameHeader.h"

namespace {

// kbit/s by [MPEG-1 ? 0 : 1][layer - 1][index]; index 0 is free format, 15 unusable.
constexpr int kBitrates[2][3][15] = {
    { { 0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448 },
        { 0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384 },
        { 0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320 } },
    { { 0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256 },
        { 0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160 },
        { 0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160 } },
};

constexpr int kMpeg1Rates[3] = { 44100, 48000, 32000 };

} // namespace

std::optional<MpegFrameHeader> MpegFrameHeader::parse(const uchar* bytes)
{
    if (bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0)
        return std::nullopt;
    const int versionBits = (bytes[1] >> 3) & 3;
    const int layerBits = (bytes[1] >> 1) & 3;
    const int bitrateIndex = bytes[2] >> 4;
    const int rateIndex = (bytes[2] >> 2) & 3;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 15 || rateIndex == 3)
        return std::nullopt;

    MpegFrameHeader header;
    header.version = versionBits == 3 ? Version::Mpeg1 : versionBits == 2 ? Version::Mpeg2 : Version::Mpeg25;
    header.layer = 4 - layerBits;
    const bool mpeg1 = header.version == Version::Mpeg1;
    header.bitrateKbps = kBitrates[mpeg1 ? 0 : 1][header.layer - 1][bitrateIndex];
    const int divisor = mpeg1 ? 1 : header.version == Version::Mpeg2 ? 2 : 4;
    header.sampleRate = kMpeg1Rates[rateIndex] / divisor;
    header.padding = (bytes[2] & 0x02) != 0;
    header.mono = (bytes[3] >> 6) == 3;
    return header;
}

int MpegFrameHeader::frameBytes() const
{
    if (freeFormat())
        return freeBytes + (padding ? (layer == 1 ? 4 : 1) : 0);
    const int bitsPerSecond = bitrateKbps * 1000;
    if (layer == 1)
        return (12 * bitsPerSecond / sampleRate + (padding ? 1 : 0)) * 4;
    const int factor = (layer == 3 && version != Version::Mpeg1) ? 72 : 144;
    return factor * bitsPerSecond / sampleRate + (padding ? 1 : 0);
}

int MpegFrameHeader::smallestFrameBytes() const
{
    MpegFrameHeader smallest = *this;
    smallest.padding = false;
    if (freeFormat())
        return smallest.frameBytes();
    smallest.bitrateKbps = kBitrates[version == Version::Mpeg1 ? 0 : 1][layer - 1][1];
    return smallest.frameBytes();
}

int MpegFrameHeader::samplesPerFrame() const
{
    if (layer == 1)
        return 384;
    return (layer == 3 && version != Version::Mpeg1) ? 576 : 1152;
}

int MpegFrameHeader::sideInfoBytes() const
{
    if (version == Version::Mpeg1)
        return mono ? 17 : 32;
    return mono ? 9 : 17;
}

bool MpegFrameHeader::sameStreamAs(const MpegFrameHeader& other) const
{
    return version == other.version && layer == other.layer && sampleRate == other.sampleRate && mono == other.mono
        && freeFormat() == other.freeFormat();
}

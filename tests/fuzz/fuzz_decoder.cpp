// The decoder: open, decode to the end, jump and decode on; it never puts
// out more than the measured length.

#include "Fuzz.h"

#include "platform/AudioOutput.h"
#include "playback/Mp3Decoder.h"

#include <array>

namespace {

qint64 decodeToEnd(Mp3Decoder& decoder)
{
    std::array<qint16, 2 * 1024> buffer;
    qint64 frames = 0;
    for (int got = 1024; got == 1024; frames += got)
        got = decoder.read(buffer.data(), 1024);
    return frames;
}

qint64 outputFrames(qint64 samples, int sampleRate)
{
    return samples * AudioOutput::kSampleRate / sampleRate;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fuzz(data, size);
    const int anteil = fuzz.ConsumeIntegralInRange(0, 100);
    const QString path = Fuzz::writeFile(QByteArray::fromStdString(fuzz.ConsumeRemainingBytesAsString()));
    auto decoder = Mp3Decoder::open(path);
    if (!decoder)
        return 0;
    const Mp3Length::Duration length = decoder->length();
    FUZZ_CHECK(decodeToEnd(*decoder) <= outputFrames(length.samples, length.sampleRate));
    const qint64 sprungMs = length.milliseconds() * anteil / 100;
    decoder->seek(sprungMs);
    const qint64 dahinter = length.samples - sprungMs * length.sampleRate / 1000;
    FUZZ_CHECK(decodeToEnd(*decoder) <= outputFrames(dahinter, length.sampleRate));
    return 0;
}

// Song length and the frame walker: the audio region lies inside the file,
// and the walker finds the same frames whether it reads the file in one
// piece or in small chunks.

#include "Fuzz.h"

#include "playback/Mp3Length.h"
#include "playback/MpegFrameWalker.h"

#include <utility>
#include <vector>

namespace {

std::vector<std::pair<qint64, int>> frames(const QString& path, const Mp3Length::Layout& layout, qint64 chunk)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    MpegFrameWalker walker(file, layout.audioStart, layout.audioEnd, layout.stream, chunk);
    std::vector<std::pair<qint64, int>> found;
    while (const auto frame = walker.next()) {
        FUZZ_CHECK(frame->offset >= layout.audioStart && frame->offset + frame->bytes <= layout.audioEnd);
        found.emplace_back(frame->offset, frame->bytes);
    }
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fuzz(data, size);
    const qint64 chunk = fuzz.ConsumeIntegralInRange(1, 64);
    const QByteArray bytes = QByteArray::fromStdString(fuzz.ConsumeRemainingBytesAsString());
    const QString path = Fuzz::writeFile(bytes);
    const auto layout = Mp3Length::layout(path);
    const auto length = Mp3Length::of(path);
    FUZZ_CHECK(layout.has_value() == length.has_value());
    if (!layout)
        return 0;
    FUZZ_CHECK(length->samples == layout->duration.samples && length->sampleRate == layout->duration.sampleRate);
    FUZZ_CHECK(layout->duration.samples >= 0 && layout->duration.sampleRate >= 8000);
    FUZZ_CHECK(layout->audioStart >= 0 && layout->audioStart <= layout->audioEnd && layout->audioEnd <= bytes.size());
    FUZZ_CHECK(frames(path, *layout, bytes.size() + 1) == frames(path, *layout, chunk));
    return 0;
}

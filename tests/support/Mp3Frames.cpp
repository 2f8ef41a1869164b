#include "support/Mp3Frames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Mp3Frames {

QByteArray silentFrames(int count)
{
    constexpr int kFrameBytes = 417; // 144 * 128000 / 44100, no padding
    QByteArray frame(kFrameBytes, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB); // MPEG-1, Layer III, no CRC
    frame[2] = char(0x90); // 128 kbit/s, 44.1 kHz, no padding
    frame[3] = char(0x00); // stereo
    return frame.repeated(count);
}

QByteArray id3v1Tag(const QByteArray& title, const QByteArray& artist, unsigned char genre)
{
    QByteArray tag(128, '\0');
    tag.replace(0, 3, "TAG");
    tag.replace(3, qMin<qsizetype>(30, title.size()), title.left(30));
    tag.replace(33, qMin<qsizetype>(30, artist.size()), artist.left(30));
    tag[127] = char(genre);
    return tag;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace Mp3Frames

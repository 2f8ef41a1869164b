#include "Songs.h"

#include "support/Mp3Frames.h"

#include <QFile>

namespace Songs {

QByteArray tag(const QByteArray& title, const QByteArray& artist, unsigned char genre)
{
    return Mp3Frames::id3v1Tag(title.leftJustified(30, ' '), artist.leftJustified(30, ' '), genre);
}

QByteArray audio(int seed)
{
    QByteArray bytes = Mp3Frames::silentFrames(3);
    // Main data bytes of the last frame: the header stays valid.
    for (int i = 0; i < 64; ++i)
        bytes[bytes.size() - 1 - i] = char((seed * 31 + i * 7) & 0xFF);
    return bytes;
}

QString write(const QString& folder, const QString& relativePath, const QByteArray& tag, int seed)
{
    const QString path = folder + QLatin1Char('/') + relativePath;
    Mp3Frames::writeFile(path, audio(seed) + tag);
    return path;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace Songs

#pragma once

#include "support/FakePlayer.h"
#include "support/Mp3Frames.h"
#include "support/RecordingMessages.h"
#include "support/ReporterScope.h"

#include "common/FlexGrid.h"

#include <gtest/gtest.h>

// MP3 files for the library tests: a few frames with or without an ID3v1 tag.
namespace Songs {

// Padded with spaces, as taggers write it (Mp3Frames::id3v1Tag pads with NUL).
inline QByteArray tag(const QByteArray& title, const QByteArray& artist, unsigned char genre)
{
    return Mp3Frames::id3v1Tag(title.leftJustified(30, ' '), artist.leftJustified(30, ' '), genre);
}

// Three frames whose last main data is not silent, so that damage to audio
// bytes shows; the headers stay valid.
inline QByteArray audio()
{
    QByteArray bytes = Mp3Frames::silentFrames(3);
    for (int i = 0; i < 64; ++i)
        bytes[bytes.size() - 1 - i] = char((31 + i * 7) & 0xFF);
    return bytes;
}

inline QString write(const QString& folder, const QString& relativePath, const QByteArray& tag = {})
{
    const QString path = folder + QLatin1Char('/') + relativePath;
    Mp3Frames::writeFile(path, audio() + tag);
    return path;
}

} // namespace Songs

inline QStringList zeile(const FlexGrid& grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid.Cols(); ++col)
        cells << grid.TextMatrix(row, col);
    return cells;
}

// Column `col` of every data row.
inline QStringList spalte(const FlexGrid& grid, int col)
{
    QStringList cells;
    for (int row = 1; row < grid.Rows(); ++row)
        cells << grid.TextMatrix(row, col);
    return cells;
}

// Fresh folders per test: songs go below music(), the error log into the
// program folder next to it; every fault leaves its procedure.
class LibraryTest : public ::testing::Test {
protected:
    QString music() const { return scope.folder.path() + QStringLiteral("/Musik"); }

    ReporterScope scope { ErrPtnr::ProzedurVerlassen };
    ScriptedErrorWindow& errors = scope.errors;
};

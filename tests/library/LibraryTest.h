#pragma once

#include "common/ProgrammEnde.h"
#include "errors/ErrorReport.h"
#include "errors/ErrorWindow.h"
#include "errors/ErrPtnr.h"
#include "platform/AppPaths.h"
#include "playback/PlayerControl.h"
#include "support/Mp3Frames.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <functional>

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

// Stands for the operator at the error window: always "Prozedur verlassen".
class RecordingErrorWindow : public ErrorWindow {
public:
    QList<ErrorReport> reports;
    int showReport(const ErrorReport& report) override
    {
        reports << report;
        return 2;
    }
};

// A player that only records the calls made to it, as "Name(index,argument)".
class FakePlayer : public PlayerControl {
public:
    QString loaded[4];
    qint64 position = 0;
    QStringList calls;
    // Appended to each recorded call, to see the world at that moment.
    std::function<QString()> state = [] { return QString(); };

    void OpenMP3(int index, const QString& datei) override
    {
        record(QStringLiteral("OpenMP3(%1,%2)").arg(index).arg(datei));
        loaded[index] = datei;
    }
    void PlayMP3(int index) override { record(QStringLiteral("PlayMP3(%1)").arg(index)); }
    void PauseMP3(int index) override { record(QStringLiteral("PauseMP3(%1)").arg(index)); }
    void StopMP3(int index) override { record(QStringLiteral("StopMP3(%1)").arg(index)); }
    qint64 GetPosition(int index) override
    {
        record(QStringLiteral("GetPosition(%1)").arg(index));
        return position;
    }
    void SetPosition(int index, qint64 value) override
    {
        record(QStringLiteral("SetPosition(%1,%2)").arg(index).arg(value));
    }
    qint64 GetLength(int) override { return 0; }
    int GetStatus(int) override { return Other; }
    QString GetFileName(int index) override { return loaded[index]; }
    qint64 GetSongLength(const QString&) override { return 0; }

private:
    void record(const QString& call) { calls << call + state(); }
};

// Fresh folders per test: songs go below music(), the error log into the
// program folder next to it; faults are answered by a recording window.
class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppPaths::setProgramFolder(m_dir.path());
        ErrPtnr::instance().reset();
        ErrPtnr::instance().setWindow(&errors);
        ProgrammEnde = false;
    }
    void TearDown() override
    {
        ErrPtnr::instance().setWindow(nullptr);
        ProgrammEnde = false;
    }

    QString music() const { return m_dir.path() + QStringLiteral("/Musik"); }

    RecordingErrorWindow errors;

private:
    QTemporaryDir m_dir;
};

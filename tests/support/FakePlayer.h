#pragma once

#include "playback/PlayerControl.h"

#include <QStringList>

#include <functional>

// A player that only records the calls made to it, as "Name(index,argument)".
class FakePlayer : public PlayerControl {
public:
    QString loaded[4];
    qint64 position = 0;
    qint64 length = 0;
    int status = Other; // what GetStatus answers
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
    qint64 GetLength(int) override { return length; }
    int GetStatus(int) override { return status; }
    QString GetFileName(int index) override { return loaded[index]; }
    qint64 GetSongLength(const QString&) override { return 0; }

private:
    void record(const QString& call) { calls << call + state(); }
};

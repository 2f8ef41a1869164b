#pragma once

#include <QString>

// The operations on the jukebox's players. Players 0 and 1 play (the
// sequencer alternates between them for crossfading), player 2 measures song
// lengths. Everything above the audio engine talks to players only through
// this interface, so tests can put a fake in its place.
class PlayerControl {
public:
    enum Status { Other = 0, Paused = 1, Playing = 2 };

    virtual ~PlayerControl() = default;

    // Closes the player first; an empty name leaves it closed.
    virtual void OpenMP3(int index, const QString& datei) = 0;
    // The factor on the samples of every song opened on this player from now
    // on (1 until set): a song keeps the gain it was opened with. Players
    // without levelling ignore it.
    virtual void SetVerstaerkung(int index, double faktor)
    {
        Q_UNUSED(index);
        Q_UNUSED(faktor);
    }
    virtual void PlayMP3(int index) = 0;
    virtual void PauseMP3(int index) = 0;
    virtual void StopMP3(int index) = 0;
    // Milliseconds of audio played so far.
    virtual qint64 GetPosition(int index) = 0;
    // Where the next PlayMP3 starts, in milliseconds.
    virtual void SetPosition(int index, qint64 position) = 0;
    // Whole seconds, rounded half to even.
    virtual qint64 GetLength(int index) = 0;
    // Playing, Paused or Other.
    virtual int GetStatus(int index) = 0;
    // The name last handed to OpenMP3 for this index (0..3).
    virtual QString GetFileName(int index) = 0;
    // A file's length in whole seconds.
    virtual qint64 GetSongLength(const QString& datei) = 0;
};

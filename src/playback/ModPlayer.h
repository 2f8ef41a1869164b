#pragma once

#include "playback/AudioEngine.h"
#include "playback/PlayerControl.h"

#include <QObject>

#include <array>
#include <memory>

class AudioOutput;

// The player module: the operations of PlayerControl on the audio engine's
// three players, and the table of file names last opened. Nothing here
// reports to the user; failures show as a player without a file (status,
// position and length 0).
class ModPlayer : public QObject, public PlayerControl {
    Q_OBJECT

public:
    // What GetSongLength answers for a file without MPEG audio.
    static constexpr qint64 kUnknownLength = 300;

    explicit ModPlayer(
        std::unique_ptr<AudioOutput> device, OutputSupervisor::Timing timing = {}, QObject* parent = nullptr);

    void OpenMP3(int index, const QString& datei) override;
    void SetVerstaerkung(int index, double faktor) override;
    void PlayMP3(int index) override;
    void PauseMP3(int index) override;
    void StopMP3(int index) override;
    qint64 GetPosition(int index) override;
    void SetPosition(int index, qint64 position) override;
    qint64 GetLength(int index) override;
    int GetStatus(int index) override;
    QString GetFileName(int index) override;
    qint64 GetSongLength(const QString& datei) override;

    // Milliseconds to whole seconds, halves to the even neighbour.
    static qint64 wholeSeconds(qint64 milliseconds);

signals:
    // A German notice for the operator about the sound output.
    void notice(const QString& text);

private:
    AudioEngine m_engine;
    std::array<QString, 4> m_dateien;
    std::array<double, AudioEngine::kPlayers> m_verstaerkung { 1.0, 1.0, 1.0 };
};

// The program's player module: created with the sound card on first use,
// lives for the run.
ModPlayer& modPlayer();

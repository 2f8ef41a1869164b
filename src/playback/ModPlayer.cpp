#include "playback/ModPlayer.h"

#include "platform/SdlAudioOutput.h"
#include "playback/Mp3Length.h"

#include <stdexcept>

namespace {
constexpr int kMeasuringPlayer = 2;
} // namespace

ModPlayer::ModPlayer(std::unique_ptr<AudioOutput> device, OutputSupervisor::Timing timing, QObject* parent)
    : QObject(parent)
    , m_engine(std::move(device), timing)
{
    connect(&m_engine, &AudioEngine::notice, this, &ModPlayer::notice);
}

void ModPlayer::OpenMP3(int index, const QString& datei)
{
    // Opening on a player that does not exist ends silently and keeps the table.
    if (index < 0 || index >= AudioEngine::kPlayers)
        return;
    // An undecodable file leaves the player without a file; its name is still recorded.
    const bool offen = m_engine.player(index).open(datei, m_verstaerkung[std::size_t(index)]);
    m_dateien[std::size_t(index)] = datei;
    // Closing, which the sequencer does on every idle tick, gives the engine nothing to do.
    if (offen)
        m_engine.wake();
}

void ModPlayer::SetVerstaerkung(int index, double faktor)
{
    m_verstaerkung.at(std::size_t(index)) = faktor;
}

void ModPlayer::PlayMP3(int index)
{
    m_engine.player(index).play();
    m_engine.wake();
}

void ModPlayer::PauseMP3(int index)
{
    m_engine.player(index).pause();
}

void ModPlayer::StopMP3(int index)
{
    m_engine.player(index).stop();
}

qint64 ModPlayer::GetPosition(int index)
{
    return m_engine.player(index).positionMs();
}

void ModPlayer::SetPosition(int index, qint64 position)
{
    m_engine.player(index).setStart(position);
}

qint64 ModPlayer::GetLength(int index)
{
    return wholeSeconds(m_engine.player(index).lengthMs());
}

int ModPlayer::GetStatus(int index)
{
    return m_engine.player(index).status();
}

QString ModPlayer::GetFileName(int index)
{
    return m_dateien.at(std::size_t(index));
}

qint64 ModPlayer::GetSongLength(const QString& datei)
{
    // Measured from the file itself; the measuring player records the name
    // but needs to hold nothing open.
    m_dateien[kMeasuringPlayer] = datei;
    // A real MP3 shorter than half a second is 0 s long; only a file that is
    // no MP3 gets the long fallback, which would otherwise delay every start
    // time behind it.
    const auto length = Mp3Length::of(datei);
    return length ? wholeSeconds(length->milliseconds()) : kUnknownLength;
}

qint64 ModPlayer::wholeSeconds(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    const qint64 rest = milliseconds % 1000;
    if (rest > 500 || (rest == 500 && seconds % 2 == 1))
        return seconds + 1;
    return seconds;
}

ModPlayer& modPlayer()
{
    static ModPlayer player(std::make_unique<SdlAudioOutput>());
    return player;
}

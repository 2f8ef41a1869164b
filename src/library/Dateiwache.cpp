#include "library/Dateiwache.h"

#include <QFileInfo>

Dateiwache::Dateiwache(Belegt belegt)
    : m_belegt(std::move(belegt))
{
}

void Dateiwache::beobachten(const QString& pfad)
{
    m_pfad = pfad;
    const std::optional<Stand> stand = standJetzt();
    m_gesehen = stand ? stand->geaendert : QDateTime();
    m_letzterTick = stand;
}

bool Dateiwache::Tick()
{
    const std::optional<Stand> stand = standJetzt();
    const std::optional<Stand> davor = std::exchange(m_letzterTick, stand);
    if (!stand || stand->geaendert == m_gesehen)
        return false;
    // Still being written: a writer may close and reopen the file between two saves.
    if (stand != davor || m_belegt(m_pfad))
        return false;
    m_gesehen = stand->geaendert;
    return true;
}

std::optional<Dateiwache::Stand> Dateiwache::standJetzt() const
{
    if (m_pfad.isEmpty())
        return std::nullopt;
    const QFileInfo info(m_pfad);
    if (!info.isFile())
        return std::nullopt;
    return Stand { info.size(), info.lastModified() };
}

#include "mainwindow/Leerlaufzeit.h"

#include "common/Clock.h"

#include <algorithm>

Leerlaufzeit::Leerlaufzeit(const Clock& uhr)
    : m_uhr(uhr)
{
}

void Leerlaufzeit::starten()
{
    m_aktiv = true;
    m_start = m_uhr.milliseconds();
    if (m_beimStarten)
        m_beimStarten();
}

void Leerlaufzeit::stoppen()
{
    m_aktiv = false;
}

qint64 Leerlaufzeit::restMs() const
{
    return std::max<qint64>(0, m_start + kDauerMs - m_uhr.milliseconds());
}

bool Leerlaufzeit::abgelaufen()
{
    if (!m_aktiv || restMs() > 0)
        return false;
    m_aktiv = false;
    return true;
}

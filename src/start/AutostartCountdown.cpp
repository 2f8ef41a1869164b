#include "start/AutostartCountdown.h"

void AutostartCountdown::tick()
{
    // The window stops ticking once the countdown has run out, so the 16-bit counter cannot overflow.
    ++m_Startzaehler;
}

void AutostartCountdown::reset()
{
    m_Startzaehler = 0;
}

bool AutostartCountdown::sichtbar() const
{
    return m_Startzaehler >= kAnzeigeAb;
}

bool AutostartCountdown::abgelaufen() const
{
    return m_Startzaehler >= kStartBei;
}

QString AutostartCountdown::text() const
{
    const int rest = kStartBei - m_Startzaehler;
    return QStringLiteral("Autostart in %1 %2")
        .arg(rest)
        .arg(rest == 1 ? QStringLiteral("Sekunde") : QStringLiteral("Sekunden"));
}

#pragma once

#include <QString>
#include <QtGlobal>

// The start window's autostart: one tick per second; from the 30th tick the
// remaining seconds are shown, at the 40th the jukebox starts by itself.
class AutostartCountdown {
public:
    static constexpr int kAnzeigeAb = 30;
    static constexpr int kStartBei = 40;

    void tick();
    // Any operator action starts the 40 seconds over.
    void reset();

    qint16 Startzaehler() const { return m_Startzaehler; }
    // Whether the remaining seconds are to be shown.
    bool sichtbar() const;
    // Whether the jukebox is to start now.
    bool abgelaufen() const;
    // "Autostart in 10 Sekunden" ... "Autostart in 1 Sekunde".
    QString text() const;

private:
    qint16 m_Startzaehler = 0;
};

#pragma once

// The longest pause between two turns of the event loop while it lives: a
// zero timer fires once per processed batch of events.

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

class Rundenuhr {
public:
    Rundenuhr()
    {
        m_takt.setInterval(0);
        QObject::connect(&m_takt, &QTimer::timeout, [this] {
            const qint64 jetzt = m_uhr.nsecsElapsed();
            m_laengste = std::max(m_laengste, jetzt - m_letzte);
            m_letzte = jetzt;
        });
        m_uhr.start();
        m_takt.start();
    }

    // Up to now, the pause still running included.
    double laengsteMs() const { return std::max(m_laengste, m_uhr.nsecsElapsed() - m_letzte) / 1e6; }

private:
    QElapsedTimer m_uhr;
    qint64 m_letzte = 0;
    qint64 m_laengste = 0;
    QTimer m_takt;
};

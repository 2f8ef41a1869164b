#pragma once

// The longest pause between two turns of the event loop while it lives: a
// zero timer fires once per processed batch of events. Counted in wall time,
// or in this thread's CPU time, which a busy machine's preemptions leave out.

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <ctime>

class Rundenuhr {
public:
    enum class Zeit { Wand, Rechenzeit };

    explicit Rundenuhr(Zeit zeit = Zeit::Wand)
        : m_zeit(zeit)
    {
        m_takt.setInterval(0);
        QObject::connect(&m_takt, &QTimer::timeout, [this] {
            const qint64 jetzt = ns();
            m_laengste = std::max(m_laengste, jetzt - m_letzte);
            m_letzte = jetzt;
        });
        m_uhr.start();
        m_letzte = ns();
        m_takt.start();
    }

    // Up to now, the pause still running included.
    double laengsteMs() const { return std::max(m_laengste, ns() - m_letzte) / 1e6; }

    // This thread's CPU time in ns.
    static qint64 rechenzeitNs()
    {
        timespec t {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    }

private:
    qint64 ns() const { return m_zeit == Zeit::Wand ? m_uhr.nsecsElapsed() : rechenzeitNs(); }

    Zeit m_zeit;
    QElapsedTimer m_uhr;
    qint64 m_letzte = 0;
    qint64 m_laengste = 0;
    QTimer m_takt;
};

#pragma once

#include <QtGlobal>

#include <functional>

class Clock;

// The keyboard's idle time (Timer2): five seconds after the last key, or
// after the keyboard came up, it gives up and slides away. Kept on the
// injected clock, so the give-up can be tested without waiting.
class Leerlaufzeit {
public:
    static constexpr qint64 kDauerMs = 5000;

    explicit Leerlaufzeit(const Clock& uhr);

    // Starts the five seconds over.
    void starten();
    // Called at every start: whatever looks at the time need only run while it is active.
    void beimStarten(std::function<void()> melden) { m_beimStarten = std::move(melden); }
    void stoppen();
    bool aktiv() const { return m_aktiv; }
    // Milliseconds until the give-up; 0 when due.
    qint64 restMs() const;
    // Whether the five seconds have passed; stops the time when they have, so the give-up comes once.
    bool abgelaufen();

private:
    const Clock& m_uhr;
    bool m_aktiv = false;
    qint64 m_start = 0;
    std::function<void()> m_beimStarten;
};

#pragma once

#include "common/Clock.h"
#include "controls/Taktgeber.h"

#include <algorithm>
#include <memory>
#include <vector>

// Time stepped by hand: the clock stands until vergehen() moves it on, and
// timers made by fabrik() fire when it passes their due time.
class FakeZeit : public Clock {
public:
    QDateTime start { QDate(2024, 3, 9), QTime(20, 0) };
    qint64 jetzt = 0;

    QDateTime now() const override { return start.addMSecs(jetzt); }
    qint64 milliseconds() const override { return jetzt; }

    Taktgeber::Fabrik fabrik()
    {
        return [this](int intervallMs, Taktgeber::Tick tick) {
            auto timer = std::make_unique<Timer>(*this, intervallMs, std::move(tick));
            m_timer.push_back(timer.get());
            return timer;
        };
    }
    void vergehen(qint64 ms)
    {
        for (const qint64 ende = jetzt + ms; jetzt < ende;) {
            ++jetzt;
            for (Timer* t : m_timer)
                if (t->aktiv && t->faellig == jetzt) {
                    t->faellig += t->intervall;
                    t->tick();
                }
        }
    }
    int laufende() const
    {
        return int(std::count_if(m_timer.begin(), m_timer.end(), [](Timer* t) { return t->aktiv; }));
    }

private:
    struct Timer : Taktgeber {
        Timer(FakeZeit& z, int i, Tick t)
            : zeit(z)
            , intervall(i)
            , tick(std::move(t))
        {
        }
        ~Timer() override { std::erase(zeit.m_timer, this); }
        void starten() override { aktiv = true, faellig = zeit.jetzt + intervall; }
        void stoppen() override { aktiv = false; }
        bool laeuft() const override { return aktiv; }

        FakeZeit& zeit;
        int intervall;
        Tick tick;
        bool aktiv = false;
        qint64 faellig = 0;
    };
    std::vector<Timer*> m_timer;
};

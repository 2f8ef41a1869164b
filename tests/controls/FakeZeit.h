#pragma once

#include "controls/Taktgeber.h"

#include <QtGlobal>

#include <algorithm>

#include <memory>
#include <vector>

// Time stepped by hand: its timers fire when vergehen() passes their due time.
class FakeZeit {
public:
    qint64 jetzt = 0;

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
        void starten() override
        {
            aktiv = true;
            faellig = zeit.jetzt + intervall;
        }
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

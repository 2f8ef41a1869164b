#pragma once

#include "controls/Taktgeber.h"

#include <QTimer>

// The program's timers: a QTimer on the thread that creates it.
class QTimerTaktgeber : public Taktgeber {
public:
    QTimerTaktgeber(int intervallMs, Tick tick);

    void starten() override;
    void stoppen() override;
    bool laeuft() const override;

    static Taktgeber::Fabrik fabrik();

private:
    QTimer m_timer;
};

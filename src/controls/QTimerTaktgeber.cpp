#include "controls/QTimerTaktgeber.h"

QTimerTaktgeber::QTimerTaktgeber(int intervallMs, Tick tick)
{
    m_timer.setInterval(intervallMs);
    // The button's rhythms are felt by hand; coarse timers would drift by up to 5 %.
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, std::move(tick));
}

void QTimerTaktgeber::starten()
{
    m_timer.start();
}

void QTimerTaktgeber::stoppen()
{
    m_timer.stop();
}

bool QTimerTaktgeber::laeuft() const
{
    return m_timer.isActive();
}

Taktgeber::Fabrik QTimerTaktgeber::fabrik()
{
    return [](int intervallMs, Tick tick) { return std::make_unique<QTimerTaktgeber>(intervallMs, std::move(tick)); };
}

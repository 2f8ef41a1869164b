#pragma once

#include "common/Clock.h"

#include <QElapsedTimer>

class SystemClock : public Clock {
public:
    SystemClock();
    QDateTime now() const override;
    qint64 milliseconds() const override;

private:
    QElapsedTimer m_elapsed;
};

#pragma once

#include "common/Clock.h"

// A clock that stands still at a given time.
class FakeClock : public Clock {
public:
    QDateTime time { QDate(2024, 3, 9), QTime(14, 5, 7) };

    QDateTime now() const override { return time; }
    qint64 milliseconds() const override { return time.toMSecsSinceEpoch(); }
};

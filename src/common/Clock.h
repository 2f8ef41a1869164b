#pragma once

#include <QDateTime>

// Time source of the program. Injected so that tests can drive countdowns,
// time bars and crossfades without waiting.
class Clock {
public:
    virtual ~Clock() = default;
    // Wall-clock time, for time stamps and start times.
    virtual QDateTime now() const = 0;
    // A monotonic millisecond counter.
    virtual qint64 milliseconds() const = 0;
};

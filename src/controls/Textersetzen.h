#pragma once

#include <QString>
#include <QTime>

// The marquee's text with its placeholders filled in for the time `jetzt`
// (letter case does not matter):
//   "[ZEIT]"       the time "HH:MM", the colon blank in the first half of each second
//   "[ZEITS]"      the time "HH:MM:SS", the second colon blank in the first half of each second
//   "[CDNhh:mm]"   time left until hh:mm as "HH:MM" (a time passed counts towards tomorrow)
//   "[CDShh:mm]"   the same in whole seconds
// One pass from left to right; anything else in brackets, and a countdown
// with an invalid time, stays as it is.
QString Textersetzen(const QString& text, const QTime& jetzt);

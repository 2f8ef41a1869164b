#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The time texts of the playlist and the archive: clock times "HH:mm" and
// song durations "mm:ss".
class Zeittext {
public:
    // What a song without a known duration counts as, and the text it gets.
    static constexpr qint64 kUnbekannteDauer = 300;
    static const QString kUnbekannt; // "05:00"

    // Whole minutes and seconds, two digits each at least: 215 s gives
    // "03:35", 25 minutes "25:00" (minutes are never wrapped at 24, so a long
    // song does not shift every later start time).
    static QString Dauer(qint64 sekunden);
    // "m:ss" with any number of minutes; nullopt when the text is not a duration.
    static std::optional<qint64> DauerLesen(const QString& text);
    // The time of day "HH:mm".
    static QString Uhrzeit(const QDateTime& zeitpunkt);
    static QString Uhrzeit(QTime zeit);
};

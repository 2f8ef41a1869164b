#include "playback/Zeittext.h"

#include <algorithm>

const QString Zeittext::kUnbekannt = QStringLiteral("05:00");

QString Zeittext::Dauer(qint64 sekunden)
{
    sekunden = qMax<qint64>(0, sekunden);
    return QStringLiteral("%1:%2")
        .arg(sekunden / 60, 2, 10, QLatin1Char('0'))
        .arg(sekunden % 60, 2, 10, QLatin1Char('0'));
}

std::optional<qint64> Zeittext::DauerLesen(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype doppelpunkt = t.indexOf(QLatin1Char(':'));
    if (doppelpunkt < 1 || doppelpunkt > 6 || t.size() - doppelpunkt - 1 < 1 || t.size() - doppelpunkt - 1 > 2)
        return std::nullopt;
    const auto ziffern = [](QStringView teil) {
        return std::all_of(teil.begin(), teil.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    const QStringView minuten = QStringView(t).left(doppelpunkt);
    const QStringView sekunden = QStringView(t).mid(doppelpunkt + 1);
    if (!ziffern(minuten) || !ziffern(sekunden))
        return std::nullopt;
    // Seconds below 60, as a time of day would have them.
    const qint64 s = sekunden.toLongLong();
    if (s >= 60)
        return std::nullopt;
    return minuten.toLongLong() * 60 + s;
}

QString Zeittext::Uhrzeit(const QDateTime& zeitpunkt)
{
    return Uhrzeit(zeitpunkt.time());
}

QString Zeittext::Uhrzeit(QTime zeit)
{
    return QStringLiteral("%1:%2")
        .arg(zeit.hour(), 2, 10, QLatin1Char('0'))
        .arg(zeit.minute(), 2, 10, QLatin1Char('0'));
}

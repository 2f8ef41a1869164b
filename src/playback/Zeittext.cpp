#include "playback/Zeittext.h"

#include <QRegularExpression>

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
    // Seconds below 60, as a time of day would have them.
    static const QRegularExpression muster(QStringLiteral("^\\s*(\\d{1,6}):([0-5]?\\d)\\s*$"));
    const QRegularExpressionMatch treffer = muster.match(text);
    if (!treffer.hasMatch())
        return std::nullopt;
    return treffer.captured(1).toLongLong() * 60 + treffer.captured(2).toLongLong();
}

QString Zeittext::Uhrzeit(const QDateTime& zeitpunkt)
{
    return zeitpunkt.toString(QStringLiteral("HH:mm"));
}

#include "controls/Textersetzen.h"

#include <QRegularExpression>

namespace {

constexpr int kSekundenProTag = 24 * 60 * 60;

bool ersteHaelfte(const QTime& jetzt)
{
    return jetzt.msec() > 0 && jetzt.msec() < 500;
}

QString uhrzeit(const QTime& jetzt, const QString& format, int doppelpunkt)
{
    QString text = jetzt.toString(format);
    if (ersteHaelfte(jetzt))
        text[doppelpunkt] = QLatin1Char(' ');
    return text;
}

// Seconds from `jetzt` (already cut to whole minutes or seconds) to `ziel`, wrapping to tomorrow.
int restSekunden(const QTime& jetzt, const QTime& ziel)
{
    const int rest = jetzt.secsTo(ziel);
    return rest < 0 ? rest + kSekundenProTag : rest;
}

// The value of a countdown "[CDNhh:mm]" or "[CDShh:mm]" starting at `pos`, or a null string.
QString countdown(const QString& text, qsizetype pos, const QTime& jetzt)
{
    static const QRegularExpression form(
        QStringLiteral("\\[CD([NS])(\\d\\d:\\d\\d)\\]"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch treffer
        = form.match(text, pos, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!treffer.hasMatch())
        return QString();
    const QTime ziel = QTime::fromString(treffer.captured(2), QStringLiteral("hh:mm"));
    if (!ziel.isValid())
        return QString();
    if (treffer.captured(1).compare(QLatin1String("N"), Qt::CaseInsensitive) == 0) {
        const QTime minute(jetzt.hour(), jetzt.minute());
        return QTime(0, 0).addSecs(restSekunden(minute, ziel)).toString(QStringLiteral("HH:mm"));
    }
    const QTime sekunde(jetzt.hour(), jetzt.minute(), jetzt.second());
    return QString::number(restSekunden(sekunde, ziel));
}

} // namespace

QString Textersetzen(const QString& text, const QTime& jetzt)
{
    static const QString kZeitS = QStringLiteral("[ZEITS]");
    static const QString kZeit = QStringLiteral("[ZEIT]");
    // A countdown's fixed length: "[CD", its letter, "hh:mm" and "]".
    constexpr qsizetype kCountdownLaenge = 10;
    QString ergebnis;
    ergebnis.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QStringView rest = QStringView(text).mid(pos);
        if (text[pos] != QLatin1Char('[')) {
            ergebnis += text[pos++];
        } else if (rest.startsWith(kZeitS, Qt::CaseInsensitive)) {
            ergebnis += uhrzeit(jetzt, QStringLiteral("HH:mm:ss"), 5);
            pos += kZeitS.size();
        } else if (rest.startsWith(kZeit, Qt::CaseInsensitive)) {
            ergebnis += uhrzeit(jetzt, QStringLiteral("HH:mm"), 2);
            pos += kZeit.size();
        } else if (const QString wert = countdown(text, pos, jetzt); !wert.isNull()) {
            ergebnis += wert;
            pos += kCountdownLaenge;
        } else {
            ergebnis += text[pos++];
        }
    }
    return ergebnis;
}

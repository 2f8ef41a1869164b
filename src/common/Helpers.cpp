#include "common/Helpers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

int CChk(bool value)
{
    return value ? 1 : 0;
}

QString Backslash(const QString& pfad)
{
    if (pfad.endsWith(QLatin1Char('\\')) || pfad.endsWith(QLatin1Char('/')))
        return pfad.chopped(1);
    return pfad;
}

QString OhneSemikolon(const QString& text)
{
    QString result = text;
    return result.replace(QLatin1Char(';'), QLatin1Char('_'));
}

void MySleep(int millisec)
{
    QDeadlineTimer deadline(millisec);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, int(qMax<qint64>(1, deadline.remainingTime())));
}

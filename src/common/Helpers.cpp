#include "common/Helpers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

int CChk(bool value)
{
    return value ? 1 : 0;
}

QString Backslash(const QString& pfad)
{
    // Outside Windows "\" is an ordinary character of a file name: a folder
    // named "a\" must keep it, or its paths would lead into the folder "a".
#ifdef Q_OS_WIN
    const bool separator = pfad.endsWith(QLatin1Char('\\')) || pfad.endsWith(QLatin1Char('/'));
#else
    const bool separator = pfad.endsWith(QLatin1Char('/'));
#endif
    return separator ? pfad.chopped(1) : pfad;
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

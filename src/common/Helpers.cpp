#include "common/Helpers.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

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

QString Anzeigetext(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

void MySleep(int millisec)
{
    // A local loop sleeps until an event or the timer comes, instead of polling a core away.
    QEventLoop loop;
    QTimer::singleShot(std::max(0, millisec), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

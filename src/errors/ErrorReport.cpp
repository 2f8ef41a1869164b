#include "errors/ErrorReport.h"

QStringList ErrorReport::rowTitles()
{
    return { QStringLiteral("Fehler-Nr:"), QStringLiteral("Modul:"), QStringLiteral("Prozedur:"),
        QStringLiteral("Zeilen-Nr.:") };
}

QString ErrorReport::errorCaption()
{
    return QStringLiteral("Fehlerbeschreibung:");
}

QString ErrorReport::callStackCaption()
{
    return QStringLiteral("CallStack:");
}

#include "library/Kopiennummer.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// 10^18 - 1 plus 1 still fits in a qint64.
constexpr qsizetype kMaxZiffern = 18;

QString ohneZiffern(const QString& text)
{
    QString rest;
    rest.reserve(text.size());
    for (const QChar zeichen : text) {
        if (zeichen < QLatin1Char('0') || zeichen > QLatin1Char('9'))
            rest += zeichen;
    }
    return rest;
}

} // namespace

QString Kopiennummer::GetRealString(const QString& RString)
{
    return ohneZiffern(RString);
}

qint64 Kopiennummer::GetRealInteger(const QString& RString)
{
    QString ziffern;
    for (const QChar zeichen : RString) {
        if (zeichen >= QLatin1Char('0') && zeichen <= QLatin1Char('9'))
            ziffern += zeichen;
    }
    if (ziffern.isEmpty() || ziffern.size() > kMaxZiffern)
        return 0;
    return ziffern.toLongLong();
}

qint64 Kopiennummer::GetHighestFile(const QString& Filestring, const QString& PathString)
{
    const QFileInfo vorlage(Filestring);
    const QString stamm = GetRealString(vorlage.completeBaseName());
    const QString endung = vorlage.suffix();
    // A plain listing, not the song search: empty copies count too, and no copy may reach the archive.
    // No name filter: "[", "?" or "*" in the name are letters, not wildcards.
    const QFileInfoList dateien = QDir(PathString).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    qint64 hoechste = 0;
    for (const QFileInfo& datei : dateien) {
        if (datei.completeBaseName().startsWith(stamm, Qt::CaseInsensitive)
            && datei.suffix().compare(endung, Qt::CaseInsensitive) == 0)
            hoechste = std::max(hoechste, GetRealInteger(datei.completeBaseName()));
    }
    return hoechste;
}

QString Kopiennummer::Vorschlag(const QString& Datei)
{
    const QFileInfo datei(Datei);
    const QString endung = datei.suffix();
    QString name = GetRealString(datei.completeBaseName()) + QString::number(GetHighestFile(Datei, datei.path()) + 1);
    if (!endung.isEmpty())
        name += QLatin1Char('.') + endung;
    return QDir(datei.path()).filePath(name);
}

#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

bool isWritableFolder(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open();
}

} // namespace

QString& AppPaths::overrideFolder()
{
    static QString folder;
    return folder;
}

void AppPaths::setProgramFolder(const QString& folder)
{
    overrideFolder() = folder;
}

QString AppPaths::programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return writableFolder(QCoreApplication::applicationDirPath());
}

QString AppPaths::writableFolder(const QString& preferred)
{
    if (isWritableFolder(preferred))
        return preferred;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString AppPaths::programName()
{
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty())
        return QStringLiteral("tonvaro");
    return QFileInfo(path).completeBaseName();
}

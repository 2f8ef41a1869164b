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

// Installed programs live under /usr; root could write there, but files of
// ours among the package's would be lost on removal and clash with updates.
bool isSystemLocation(const QString& folder)
{
    const QString path = QDir::cleanPath(folder);
    return path == QLatin1String("/usr") || path.startsWith(QLatin1String("/usr/"));
}

} // namespace

QString AppPaths::userDataFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

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
    return filesFolder(QCoreApplication::applicationDirPath());
}

QString AppPaths::writableFolder(const QString& preferred)
{
    return isWritableFolder(preferred) ? preferred : userDataFolder();
}

QString AppPaths::filesFolder(const QString& executableFolder)
{
    return isSystemLocation(executableFolder) ? userDataFolder() : writableFolder(executableFolder);
}

QString AppPaths::programName()
{
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty())
        return QStringLiteral("tonvaro");
    return QFileInfo(path).completeBaseName();
}

#include "errors/ErrorFiles.h"

#include "common/MessageService.h"
#include "platform/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtDebug>

QString ErrorFiles::pathWithExtension(const QString& extension)
{
    return QDir(AppPaths::programFolder()).filePath(AppPaths::programName() + extension);
}

QString ErrorFiles::logPath()
{
    return pathWithExtension(QStringLiteral(".EPT"));
}

QString ErrorFiles::protocolPath()
{
    return pathWithExtension(QStringLiteral(".ERR"));
}

bool ErrorFiles::appendToLog(const QString& protocol)
{
    QFile log(logPath());
    const QByteArray bytes = protocol.toUtf8();
    const bool written = log.open(QIODevice::WriteOnly | QIODevice::Append) && log.write(bytes) == bytes.size();
    if (!written)
        qWarning().noquote() << "error log" << log.fileName() << "not written:" << log.errorString();
    return written;
}

void ErrorFiles::saveProtocol(const QString& protocol, MessageService& messages)
{
    const QString path = protocolPath();
    if (QFile::exists(path)
        && !messages.askYesNo(QStringLiteral("Vorhandene Datei '") + path + QStringLiteral("' überschreiben ?")))
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(protocol.toUtf8()) >= 0 && file.commit()) {
        messages.show(MessageService::Icon::Information,
            QStringLiteral("Das Fehlerprotokoll wurde in die Datei '") + path + QStringLiteral("' geschrieben !"));
        return;
    }
    messages.show(MessageService::Icon::Warning,
        QStringLiteral("Das Fehlerprotokoll konnte nicht in die Datei '") + path
            + QStringLiteral("' geschrieben werden !\n") + file.errorString());
}

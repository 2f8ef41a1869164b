#include "errors/ErrorFiles.h"

#include "common/MessageService.h"
#include "platform/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtDebug>

namespace {

// Trimmed to half the limit, so a repeating fault rewrites the log only now and then.
constexpr qint64 kLogKept = ErrorFiles::kLogLimit / 2;

// Where a protocol begins: its first separator line and its heading.
QByteArray protocolStart()
{
    return QByteArray("\r\n") + QByteArray(70, '-') + QByteArray("\r\nF E H L E R P R O T O K O L L");
}

} // namespace

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
    const QByteArray bytes = protocol.toUtf8();
    QFile log(logPath());
    QSaveFile trimmed(logPath());
    const bool trim = log.size() + bytes.size() > kLogLimit;
    QFileDevice& file = trim ? static_cast<QFileDevice&>(trimmed) : log;
    const QByteArray content = trim ? newestProtocols(kLogKept - bytes.size()) + bytes : bytes;
    const bool written = file.open(trim ? QIODevice::WriteOnly : QIODevice::WriteOnly | QIODevice::Append)
        && file.write(content) == content.size() && (!trim || trimmed.commit());
    if (!written)
        qWarning().noquote() << "error log" << file.fileName() << "not written:" << file.errorString();
    return written;
}

QByteArray ErrorFiles::newestProtocols(qint64 room)
{
    QFile log(logPath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    // Only the tail is read: a log grown huge before it had a limit must not fill the memory.
    const QByteArray start = protocolStart();
    log.seek(qMax<qint64>(0, log.size() - qMax<qint64>(0, room) - 2));
    const QByteArray tail = log.readAll();
    const qsizetype first = tail.indexOf(start);
    return first < 0 ? QByteArray() : tail.mid(first + 2);
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

#pragma once

#include <QByteArray>
#include <QString>

class MessageService;

// The error log <program>.EPT, which collects every protocol, and the
// protocol file <program>.ERR, which holds one protocol written on request.
// Both live in the program's folder and hold UTF-8 text.
class ErrorFiles {
public:
    // A fault that repeats must not fill the disk: beyond this size the log
    // drops its oldest whole protocols.
    static constexpr qint64 kLogLimit = 4 * 1024 * 1024;

    static QString logPath();
    static QString protocolPath();

    // Appends to the error log, creating it if missing; a log that would
    // outgrow kLogLimit keeps only its newest protocols. Never reports to the
    // error reporter (it is the reporter's own step); false when it failed.
    static bool appendToLog(const QString& protocol);
    // Writes the protocol file after asking before it replaces one, and tells
    // the operator how it went.
    static void saveProtocol(const QString& protocol, MessageService& messages);

private:
    static QString pathWithExtension(const QString& extension);
    // The log's newest whole protocols that fit into room bytes.
    static QByteArray newestProtocols(qint64 room);
};

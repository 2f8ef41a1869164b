#pragma once

#include <QString>

class MessageService;

// The error log <program>.EPT, which collects every protocol, and the
// protocol file <program>.ERR, which holds one protocol written on request.
// Both live in the program's folder and hold UTF-8 text.
class ErrorFiles {
public:
    static QString logPath();
    static QString protocolPath();

    // Appends to the error log, creating it if missing. Never reports to the
    // error reporter (it is the reporter's own step); false when it failed.
    static bool appendToLog(const QString& protocol);
    // Writes the protocol file after asking before it replaces one, and tells
    // the operator how it went.
    static void saveProtocol(const QString& protocol, MessageService& messages);

private:
    static QString pathWithExtension(const QString& extension);
};

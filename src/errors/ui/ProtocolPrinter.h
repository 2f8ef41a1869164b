#pragma once

#include <QString>
#include <QStringList>

class MessageService;
class QPrinter;

// Prints the error protocol, cut into lines as ErrorProtocol::printLines does.
// When nothing comes out of a printer the operator is told so.
class ProtocolPrinter {
public:
    static void printOnDefaultPrinter(const QString& protocol, MessageService& messages);
    static void printOn(QPrinter& printer, const QString& protocol, MessageService& messages);
    // False when the printer could not be opened.
    static bool print(const QStringList& lines, QPrinter& printer);
};

#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

// Prints the error protocol, cut into lines as ErrorProtocol::printLines does.
class ProtocolPrinter {
public:
    // Does nothing when the system has no default printer.
    static void printOnDefaultPrinter(const QString& protocol);
    // False when the printer could not be opened.
    static bool print(const QStringList& lines, QPrinter& printer);
};

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

struct ErrorReport;
struct SystemInfo;

// The error protocol: the text that goes to the error log, the printer, the
// protocol file and the support e-mail.
class ErrorProtocol {
public:
    static constexpr int kPrintWidth = 73;
    static constexpr int kPrintIndent = 20;

    // The protocol of the report's title, rows and history (CR LF line ends).
    static QString text(const ErrorReport& report, const QDateTime& at, const SystemInfo& system);
    // The protocol cut into printed lines: words are taken until the letters
    // taken since the last break exceed kPrintWidth; each continuation line
    // starts with kPrintIndent spaces.
    static QStringList printLines(const QString& protocol);

private:
    static void wrapLine(const QString& line, QStringList& printed);
};

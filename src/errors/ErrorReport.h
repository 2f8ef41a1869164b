#pragma once

#include <QString>
#include <QStringList>

// Everything the error window shows for one fault.
struct ErrorReport {
    static constexpr int kRowCount = 4;
    // Row titles of the error frame, in the order of rows.
    static QStringList rowTitles();
    static QString errorCaption();
    static QString callStackCaption();

    // "<ProgInfo> - Fehlermeldung"
    QString title;
    // "<description> (<number>)", module, procedure, line number
    QStringList rows;
    // Newest entry first.
    QStringList history;
    // The text written to the error log and offered for print, save and e-mail.
    QString protocol;
    // Bit k shows the continuation button with code k.
    int contBits = 255;

    bool showsContinuation(int code) const { return (contBits >> code) & 1; }
};

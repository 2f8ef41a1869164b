#pragma once

#include "errors/ErrorReport.h"
#include "errors/ErrorWindow.h"

#include <QList>

// Plays the operator: answers each report with the next scripted code
// (Prozedur verlassen once the script is used up) and keeps the reports.
class ScriptedWindow : public ErrorWindow {
public:
    QList<int> codes;
    QList<ErrorReport> reports;

    int showReport(const ErrorReport& report) override
    {
        reports << report;
        return codes.isEmpty() ? 2 : codes.takeFirst();
    }
};

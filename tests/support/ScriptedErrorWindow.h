#pragma once

#include "errors/ErrorReport.h"
#include "errors/ErrorWindow.h"
#include "errors/ErrPtnr.h"

// Plays the operator at the error window: answers each report with the next
// scripted code, then always with `otherwise`, and keeps the reports.
class ScriptedErrorWindow : public ErrorWindow {
public:
    QList<int> codes;
    int otherwise = ErrPtnr::ProzedurVerlassen;
    QList<ErrorReport> reports;

    int showReport(const ErrorReport& report) override
    {
        reports << report;
        return codes.isEmpty() ? otherwise : codes.takeFirst();
    }
};

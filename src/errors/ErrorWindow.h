#pragma once

struct ErrorReport;

// The modal window that shows a fault and lets the operator choose how the
// program goes on. Tests put a scripted one in place of the real window.
class ErrorWindow {
public:
    virtual ~ErrorWindow() = default;
    // Shows the report and returns the chosen continuation code 0..3.
    virtual int showReport(const ErrorReport& report) = 0;
};

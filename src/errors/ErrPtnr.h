#pragma once

#include "errors/Fault.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class Clock;
class ErrorWindow;

// The error reporter: one instance for the whole run, created on first use.
// Keeps the history of recent procedure calls, shows the error window for a
// fault, appends every protocol to the error log <program>.EPT and returns
// the continuation chosen in the window.
class ErrPtnr {
public:
    enum Continuation { BefehlWiederholen = 0, Fortsetzen = 1, ProzedurVerlassen = 2, ProgrammBeenden = 3 };
    static constexpr int kMaxHistory = 40;

    static ErrPtnr& instance();

    void CallStack(const QString& a);
    void CallStackParam(const QString& name, const QVariant& value);
    // Shows the error window for the fault and returns the continuation code.
    int OnError(const Fault& fault, const QString& aktModul, const QString& aktProc, int contBits = 255);
    void SetProgInfo(const QString& text);
    static QString LPSTRToVBString(const QString& s);

    QStringList history() const;
    QString progInfo() const;

    // The window that shows a fault and returns the chosen code; tests put a
    // scripted one in its place so that nothing blocks.
    void setWindow(ErrorWindow* window);
    void setClock(const Clock* clock);
    // What "Programm beenden" does; by default the program ends at once.
    void setEndProgram(std::function<void()> endProgram);
    void endProgram();
    // Forgets the history and ProgInfo (tests only start from a clean reporter).
    void reset();

private:
    ErrPtnr();
    struct Private;
    Private* d;
};

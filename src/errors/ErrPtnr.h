#pragma once

#include "errors/Fault.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

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
    ~ErrPtnr();

    // Registers a procedure entry: its signature text plus the time of day.
    void CallStack(const QString& a);
    // Registers one parameter of the procedure just registered, right below
    // it; calling this in reverse order of declaration lists them in order.
    void CallStackParam(const QString& name, const QVariant& value);
    // Shows the error window for the fault and returns the continuation code.
    // Without a window (programs without widgets), and for a further fault
    // while the window is open, the fault is only logged and the procedure left.
    int OnError(const Fault& fault, const QString& aktModul, const QString& aktProc, int contBits = 255);
    void SetProgInfo(const QString& text);
    // The part of s before its first character code 0; empty if s has none.
    static QString LPSTRToVBString(const QString& s);

    QStringList history() const;
    // Program name, "  V" and its version; built on first use unless set.
    QString progInfo() const;

    // The window that shows a fault and returns the chosen code; tests put a
    // scripted one in its place so that nothing blocks.
    void setWindow(ErrorWindow* window);
    // nullptr returns to the system clock.
    void setClock(const Clock* clock);
    // What "Programm beenden" does; by default the program ends at once.
    void setEndProgram(std::function<void()> endProgram);
    void endProgram();
    // Back to the state at program start: no history, no ProgInfo, the
    // system clock, no window and the default end of the program.
    void reset();

private:
    ErrPtnr();
    struct Private;
    std::unique_ptr<Private> d;
};

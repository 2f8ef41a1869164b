#pragma once

#include "errors/FaultError.h"

#include <QString>

// A fault that a procedure reports to the error reporter. Each kind of fault
// has a fixed number, shown in the error window and the protocol
// (5 invalid call, 6 overflow, 7 out of memory, 9 index out of range,
// 13 type mismatch, 53 file not found, 75 path/file access error).
struct Fault {
    QString description;
    int number = 0;
    // Source lines are not numbered, so this stays 0.
    int line = 0;

    // The fault of the exception currently being handled (call only inside a
    // catch block; outside one it yields the unexpected fault).
    static Fault fromCurrentException();
};

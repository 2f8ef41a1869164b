#pragma once

#include <QString>
#include <stdexcept>

// A fault that a procedure reports to the error reporter. Numbers follow the
// classic run-time error numbers operators know from support calls
// (5 invalid call, 6 overflow, 7 out of memory, 9 index out of range,
// 13 type mismatch, 53 file not found, 75 path/file access error).
struct Fault {
    QString description;
    int number = 0;
    int line = 0;

    // The fault of the exception currently being handled (call only inside a catch block).
    static Fault fromCurrentException();
};

// Thrown by program code for a fault with a known number and German text.
class FaultError : public std::runtime_error {
public:
    FaultError(int number, const QString& description);
    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

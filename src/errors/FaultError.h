#pragma once

#include <QString>
#include <stdexcept>

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

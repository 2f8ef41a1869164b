#pragma once

#include <QString>
#include <QtGlobal>

// Conversion of stored setting texts to the values of the start window's
// controls. A text that does not convert throws FaultError with the run-time
// error number operators know (13 type mismatch, 6 overflow, 380 invalid
// property value), so the error reporter can show it.
class SettingText {
public:
    // "True"/"False" in any case, or a number: 0 is false, any other number true.
    static bool toBoolean(const QString& text);
    // A number, rounded to a whole one (halves to even), that fits 32 bits.
    static qint32 toLong(const QString& text);
    // toLong, and the result must lie within min..max (a slider value, a list index, a colour).
    static qint32 toLongIn(const QString& text, qint32 min, qint32 max);

    static QString fromBoolean(bool value);
    // An option the operator sets by hand: on for "1", "True" or another
    // non-zero number; anything else, missing or unreadable, is off.
    static bool istEin(const QString& text);
};

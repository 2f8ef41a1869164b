#pragma once

#include <QChar>
#include <QString>

// The lock password is letters only, so a guest can type it on the
// on-screen keyboard.
class PasswordFilter {
public:
    // "A" to "Z", "a" to "z" and the backspace key.
    static bool erlaubt(QChar zeichen);
    // Every character is a letter "A" to "Z" or "a" to "z".
    static bool gueltig(const QString& passwort);
};

#pragma once

#include <QValidator>

// Keeps pasted or dropped text to the password rule that typed keys follow.
class PasswordValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

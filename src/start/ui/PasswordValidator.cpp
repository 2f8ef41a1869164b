#include "start/ui/PasswordValidator.h"

#include "start/PasswordFilter.h"

QValidator::State PasswordValidator::validate(QString& input, int&) const
{
    return PasswordFilter::gueltig(input) ? Acceptable : Invalid;
}

#include "errors/FaultError.h"

FaultError::FaultError(int number, const QString& description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
{
}

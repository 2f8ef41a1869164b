#include "errors/Procedure.h"

#include "errors/ErrPtnr.h"
#include "errors/Fault.h"

#include <QRegularExpression>

#include <iterator>

Procedure::Procedure(const char* object, const char* declaration, std::initializer_list<Param> params)
    : m_object(QString::fromUtf8(object))
    , m_name(nameOf(QString::fromUtf8(declaration)))
{
    ErrPtnr& reporter = ErrPtnr::instance();
    reporter.CallStack(QLatin1Char('[') + m_object + QStringLiteral("] ") + QString::fromUtf8(declaration));
    // Each parameter goes in right below the signature, so the last one goes first.
    for (auto param = std::rbegin(params); param != std::rend(params); ++param)
        reporter.CallStackParam(QString::fromUtf8(param->name), param->value);
}

QString Procedure::nameOf(const QString& declaration)
{
    static const QRegularExpression name(QStringLiteral("([^\\s:*&]+)\\s*\\("));
    const QRegularExpressionMatch match = name.match(declaration);
    return match.hasMatch() ? match.captured(1) : declaration;
}

Procedure::Decision Procedure::askReporter()
{
    ErrPtnr& reporter = ErrPtnr::instance();
    switch (reporter.OnError(Fault::fromCurrentException(), m_object, m_name, 255)) {
    case ErrPtnr::BefehlWiederholen:
        return Repeat;
    case ErrPtnr::Fortsetzen:
        return Continue;
    case ErrPtnr::ProgrammBeenden:
        reporter.endProgram();
        break;
    default:
        break;
    }
    return Leave;
}

#include "start/SettingText.h"

#include "common/Helpers.h"
#include "errors/Fault.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <optional>

namespace {

std::optional<double> zahl(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

[[noreturn]] void typenUnvertraeglich()
{
    throw FaultError(13, QStringLiteral("Typen unverträglich"));
}

} // namespace

bool SettingText::toBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> value = zahl(trimmed);
    if (!value)
        typenUnvertraeglich();
    return *value != 0.0;
}

bool SettingText::istEin(const QString& text)
{
    if (text.trimmed().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    const std::optional<double> value = zahl(text);
    return value && *value != 0.0;
}

qint32 SettingText::toLong(const QString& text)
{
    const std::optional<double> value = zahl(text);
    if (!value)
        typenUnvertraeglich();
    const double rounded = std::nearbyint(*value);
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        throw FaultError(6, QStringLiteral("Überlauf"));
    return static_cast<qint32>(rounded);
}

qint32 SettingText::toLongIn(const QString& text, qint32 min, qint32 max)
{
    const qint32 value = toLong(text);
    if (value < min || value > max)
        throw FaultError(380, QStringLiteral("Ungültiger Eigenschaftswert"));
    return value;
}

QString SettingText::fromBoolean(bool value)
{
    return QString::number(CChk(value));
}

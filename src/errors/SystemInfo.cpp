#include "errors/SystemInfo.h"

#include <QSysInfo>
#include <QVersionNumber>

namespace {

QString platformName(const QString& kernelType)
{
    if (kernelType == QLatin1String("linux"))
        return QStringLiteral("Linux");
    if (kernelType == QLatin1String("winnt"))
        return QStringLiteral("Windows NT");
    if (kernelType == QLatin1String("darwin"))
        return QStringLiteral("Darwin");
    return kernelType;
}

} // namespace

SystemInfo SystemInfo::current()
{
    const QVersionNumber kernel = QVersionNumber::fromString(QSysInfo::kernelVersion());
    return { platformName(QSysInfo::kernelType()),
        QStringLiteral("%1.%2").arg(kernel.majorVersion()).arg(kernel.minorVersion()), QSysInfo::kernelVersion(),
        QSysInfo::prettyProductName() };
}

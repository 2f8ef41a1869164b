#pragma once

// Resident memory of this process from /proc/self/status (Linux; 0 elsewhere).

#include <QByteArray>
#include <QFile>

namespace Speicher {

inline double statusMiB(const char* feld)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& zeile : status.readAll().split('\n')) {
        if (zeile.startsWith(feld))
            return zeile.mid(qstrlen(feld)).trimmed().split(' ').value(0).toLongLong() / 1024.0;
    }
    return 0;
}

inline double residentMiB()
{
    return statusMiB("VmRSS:");
}

inline double spitzeMiB()
{
    return statusMiB("VmHWM:");
}

// The peak from now on; false where that cannot be done.
inline bool spitzeZuruecksetzen()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace Speicher

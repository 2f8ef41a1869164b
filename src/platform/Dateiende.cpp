#include "platform/Dateiende.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// open, fstat, pread, close: three system calls fewer than QFile, which
// checks the type on open, asks for the size on every size() and seeks
// before it reads.
Dateiende Dateiende::lesen(const QString& pfad, int laenge)
{
    // Non-blocking: a pipe put in a song's place must not stop the scan.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    const auto schliessen = qScopeGuard([fd] { ::close(fd); });
    struct stat status { };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    const qint64 anfang = std::max<qint64>(0, status.st_size - laenge);
    QByteArray bytes(status.st_size - anfang, Qt::Uninitialized);
    const ssize_t gelesen = ::pread(fd, bytes.data(), bytes.size(), anfang);
    if (gelesen < 0)
        return {};
    bytes.truncate(gelesen);
    return { true, status.st_size, bytes };
}

#else

Dateiende Dateiende::lesen(const QString& pfad, int laenge)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    const qint64 groesse = datei.size();
    if (!datei.seek(std::max<qint64>(0, groesse - laenge)))
        return {};
    return { true, groesse, datei.read(laenge) };
}

#endif

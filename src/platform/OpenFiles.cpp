#include "platform/OpenFiles.h"

#include <QFileInfo>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_UNIX)
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#if defined(Q_OS_LINUX)

// /proc/<pid>/fdinfo/<fd> holds the open flags as an octal "flags:" line.
bool offenZumSchreiben(const QString& prozess, const QString& fd)
{
    QFile info(prozess + QStringLiteral("/fdinfo/") + fd);
    if (!info.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& zeile : info.readAll().split('\n')) {
        if (!zeile.startsWith("flags:"))
            continue;
        bool ok = false;
        const int flags = zeile.mid(6).trimmed().toInt(&ok, 8);
        const int modus = flags & O_ACCMODE;
        return ok && (modus == O_WRONLY || modus == O_RDWR);
    }
    return false;
}

// Only processes whose /proc entries this user may read are seen: those of
// the same user, which are the ones that write the operator's files.
bool vonEinemProzessBeschrieben(const struct stat& datei)
{
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!pid.front().isDigit())
            continue;
        const QString prozess = proc.filePath(pid);
        const QDir fds(prozess + QStringLiteral("/fd"));
        for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            struct stat ziel { };
            if (::stat(QFile::encodeName(fds.filePath(fd)).constData(), &ziel) == 0 && ziel.st_dev == datei.st_dev
                && ziel.st_ino == datei.st_ino && offenZumSchreiben(prozess, fd))
                return true;
        }
    }
    return false;
}

#endif

#if defined(Q_OS_UNIX)

bool gesperrt(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK;
    ::flock(fd, LOCK_UN);
    struct flock probe { };
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    return ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

bool belegt(const QString& pfad)
{
    // Non-blocking, so a FIFO in place of the file cannot hang the caller.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return true;
    struct stat datei { };
    bool inUse = ::fstat(fd, &datei) != 0 || gesperrt(fd);
#if defined(Q_OS_LINUX)
    inUse = inUse || vonEinemProzessBeschrieben(datei);
#endif
    ::close(fd);
    return inUse;
}

#elif defined(Q_OS_WIN)

bool belegt(const QString& pfad)
{
    const HANDLE handle = ::CreateFileW(reinterpret_cast<const wchar_t*>(pfad.utf16()), GENERIC_READ, 0, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return true;
    ::CloseHandle(handle);
    return false;
}

#endif

} // namespace

bool OpenFiles::FileInUse(const QString& FilePath)
{
    if (FilePath.isEmpty() || !QFileInfo::exists(FilePath))
        return false;
    return belegt(FilePath);
}

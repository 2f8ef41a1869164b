#pragma once

// What every harness shares: an oracle that aborts (so libFuzzer keeps the
// input), a scratch folder for the files an input becomes, and Qt texts from
// the fuzzer's bytes.

#include "common/Windows1252.h"
#include "platform/AppPaths.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition) ((condition) ? void() : Fuzz::wrong(#condition, __FILE__, __LINE__))

namespace Fuzz {

[[noreturn]] inline void wrong(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: wrong result: %s\n", file, line, what);
    std::abort();
}

// One folder per run; the program folder points there too, so an error
// protocol never lands next to the harness. A GUI application, as in the
// program: the archive measures its column texts in the grid's font.
inline const QTemporaryDir& scratch()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv);
    static const QTemporaryDir dir;
    static const bool programFolder = (AppPaths::setProgramFolder(dir.path()), true);
    (void)programFolder;
    return dir;
}

inline QString writeFile(const QByteArray& bytes, const QString& name = QStringLiteral("song.mp3"))
{
    const QString path = scratch().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        wrong("the scratch file cannot be written", __FILE__, __LINE__);
    return path;
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A text of up to maxBytes bytes of UTF-8 (invalid sequences become U+FFFD).
inline QString text(FuzzedDataProvider& data, size_t maxBytes = 40)
{
    return QString::fromStdString(data.ConsumeRandomLengthString(maxBytes));
}

// A text as an archive cell holds it: no ";" and no line break, the playlist file separates by them.
inline QString zelle(QString text)
{
    return text.replace(';', '_').replace('\r', '_').replace('\n', '_');
}

// The text of an ID3v1 field's bytes, without the spaces that pad it.
inline QString feldtext(QByteArray bytes)
{
    while (bytes.startsWith(' '))
        bytes.remove(0, 1);
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return fromWindows1252(bytes);
}

} // namespace Fuzz

// Each harness is one file: the application object and the folder exist before the first input.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::scratch();
    return 0;
}

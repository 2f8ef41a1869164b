#pragma once

#include <QString>

// Where the program keeps its files (playlist, error log). The program's own
// folder is the natural place; where it is not writable the per-user data
// folder takes its place, so nothing is lost silently. Tests point it at a
// temporary folder.
class AppPaths {
public:
    // The folder of the running executable, or its writable substitute.
    static QString programFolder();
    // The executable's base name without extension (also the settings' application name).
    static QString programName();

    // For tests and the demo run: use this folder instead.
    static void setProgramFolder(const QString& folder);

    // preferred when a file can be created there, else the per-user data folder (created if missing).
    static QString writableFolder(const QString& preferred);

private:
    static QString& overrideFolder();
};

#pragma once

#include <QString>

// Where the program keeps its files (playlist, error log). A build run from
// its own folder keeps them there; an installed program (under /usr) and one
// whose folder is not writable use the per-user data folder instead, so
// nothing lands among the system's files, not even as root, and nothing is
// lost silently. Tests point it at a temporary folder.
class AppPaths {
public:
    // filesFolder() for the running executable's folder.
    static QString programFolder();
    // The executable's base name without extension (also the settings' application name).
    static QString programName();

    // For tests and the demo run: use this folder instead.
    static void setProgramFolder(const QString& folder);

    // The per-user data folder, created if missing.
    static QString userDataFolder();
    // preferred when a file can be created there, else the per-user data folder (created if missing).
    static QString writableFolder(const QString& preferred);
    // Where an executable in executableFolder keeps its files: the per-user
    // data folder for a system location, else writableFolder(executableFolder).
    static QString filesFolder(const QString& executableFolder);

private:
    static QString& overrideFolder();
};

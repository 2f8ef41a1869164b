#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class MessageService;
class QFile;
class QFileInfo;

// The recursive file search: every file of a folder that matches a pattern,
// a folder's own files first, then each subfolder depth-first, in the order
// the file system lists them. Pending events run after the first entry of
// the listing and then at most every 10 ms between entries and folders, so
// the screen stays alive during a long scan, and the scan stops at the next
// accepted file when ProgrammEnde is set.
//
// Only regular files with at least one byte count. Skipped without a message:
// "System Volume Information" folders (any case), names that the program
// cannot represent exactly (on Linux: bytes that are not valid UTF-8), broken
// links, folders that cannot be read, and files or folders that vanish during
// the scan. A folder or file reached a second time through symbolic links is
// searched or listed only once, so a link pointing back up cannot loop.
class Dateisuche {
public:
    explicit Dateisuche(MessageService& meldungen);

    // Gets every accepted file the moment it is found: fileName() is its full
    // path, and it is open for reading unless it could not be opened. The
    // search opens each file once anyway, for its size.
    void setDateiGefunden(std::function<void(QFile& datei)> gefunden);
    // Gets the running count as the start window shows it ("Gefundene Lieder: 3").
    void setGefundenAnzeige(std::function<void(const QString& text)> anzeige);
    // A file whose full path fails this rule is skipped like a name the
    // program cannot represent: no message, counted nowhere.
    void setPfadZulaessig(std::function<bool(const QString& pfad)> zulaessig);

    // Searches sFol for sFile (wildcards * and ?, any case). nDirs counts the
    // folders searched, nFiles the files found; files gets the found paths at
    // 1..nFiles (index 0 stays empty). Returns the size of the found files in
    // KiB; the total stops growing at 1,500,000,000. A missing sFol shows the
    // critical message once and returns 0.
    qint64 FindFile(const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, QStringList& files,
        bool WithSubfolders);
    // The same without the list of paths, for a caller that takes each file
    // as it comes: the list of a large archive would only cost memory.
    qint64 FindFile(const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, bool WithSubfolders);

private:
    struct Lauf;
    // kanonisch: its canonical path where known without a lookup, else empty.
    struct Unterordner {
        QString name;
        QString kanonisch;
    };

    qint64 suchen(const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, QStringList* files,
        bool WithSubfolders);
    qint64 ordnerDurchsuchen(const QString& ordner, Lauf& lauf, QString kanonisch = {});
    // The folder's own files, and the names of its subfolders to search
    // afterwards; false when ProgrammEnde stopped the scan.
    bool dateienDurchsuchen(
        const QString& ordner, const QString& kanonisch, Lauf& lauf, qint64& summe, QList<Unterordner>& unterordner);
    // One entry of the listing: a subfolder is noted, an accepted file
    // counted and handed on; false when ProgrammEnde stopped the scan.
    bool eintragDurchsuchen(const QFileInfo& info, const QString& praefix, const QString& kanonisch, Lauf& lauf,
        qint64& summe, QList<Unterordner>& unterordner);
    static bool verknuepftGezaehlt(const QString& kanonisch, const QString& name, const Lauf& lauf);
    static bool verknuepfungZaehlt(const QFileInfo& info, Lauf& lauf);
    void meldeFehlendenOrdner(const QString& ordner);

    MessageService& m_meldungen;
    std::function<void(QFile&)> m_gefunden;
    std::function<void(const QString&)> m_anzeige;
    std::function<bool(const QString&)> m_pfadZulaessig;
};

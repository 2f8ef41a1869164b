#pragma once

#include "library/Fundschlange.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class MessageService;
class QFileInfo;
struct Dateiende;

// The recursive file search: every file of a folder that matches a pattern,
// a folder's own files first, then each subfolder depth-first, in the order
// the file system lists them. The walk runs on a thread of its own; the
// calling thread gets the files in that order, runs pending events at once
// and then every 10 ms, so the screen stays alive during a long scan, and
// stops handing files on at the next one when ProgrammEnde is set.
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

    // Reads a found file from its last endeLaenge bytes (the search reads
    // each file's end anyway, with its size), on one of the search's reading
    // threads, which may also read a file that turns out not to count. What
    // it returns for a file that counts runs on the calling thread, in the
    // order found.
    using Leser = std::function<std::function<void()>(const QString& pfad, const Dateiende& ende)>;
    void setDateiGefunden(int endeLaenge, Leser lesen);
    // Gets the running count as the start window shows it ("Gefundene Lieder: 3").
    void setGefundenAnzeige(std::function<void(const QString& text)> anzeige);
    // A file whose full path fails this rule is skipped like a name the
    // program cannot represent: no message, counted nowhere. Runs on the
    // search's thread.
    void setPfadZulaessig(std::function<bool(const QString& pfad)> zulaessig);

    // Searches sFol for sFile (wildcards * and ?, any case). nDirs counts the
    // folders searched, nFiles the files found; files gets the found paths at
    // 1..nFiles (index 0 stays empty). Returns the size of the found files in
    // KiB; the total stops growing at 1,500,000,000. A missing sFol shows the
    // critical message once and returns 0. After a stop, nDirs may count a
    // few folders listed ahead of the last file handed on.
    qint64 FindFile(const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, QStringList& files,
        bool WithSubfolders);
    // The same without the list of paths, for a caller that takes each file
    // as it comes: the list of a large archive would only cost memory.
    qint64 FindFile(const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, bool WithSubfolders);

private:
    struct Lauf;
    class Ereignisse;
    // kanonisch: its canonical path where known without a lookup, else empty.
    struct Unterordner {
        QString name;
        QString kanonisch;
    };

    qint64 suchen(const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, QStringList* files,
        bool WithSubfolders);
    qint64 durchsuchenLassen(const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles,
        QStringList* files, bool WithSubfolders);
    // Counts, shows and hands on each find until the walk ends or ProgrammEnde is set.
    // genommen: the stacks taken from the queue, which outlive the readers.
    void uebergeben(Fundschlange& schlange, std::vector<Fundschlange::Stapel>& genommen, qint64& summe, qint64& nFiles,
        QStringList* files);
    void uebergeben(Fundschlange::Fund& fund, qint64& summe, qint64& nFiles, QStringList* files);

    // The walk, on the search's thread; each returns false when the scan was stopped.
    bool ordnerDurchsuchen(const QString& ordner, Lauf& lauf, QString kanonisch = {});
    // The folder's own files, and the names of its subfolders to search afterwards.
    bool dateienDurchsuchen(
        const QString& ordner, const QString& kanonisch, Lauf& lauf, QList<Unterordner>& unterordner);
    // One entry of the listing: a subfolder is noted for later, a file that
    // counts put on the stack of files to read.
    void eintragNotieren(const QFileInfo& info, const QString& praefix, const QString& kanonisch, Lauf& lauf,
        QList<Unterordner>& unterordner);
    // Hands the stack to the readers and queues it.
    bool stapelAbgeben(Lauf& lauf);
    // On a reader's thread.
    void lesen(Fundschlange::Fund& fund) const;
    static bool verknuepftGezaehlt(const QString& kanonisch, const QString& name, const Lauf& lauf);
    static bool verknuepfungZaehlt(const QFileInfo& info, Lauf& lauf);
    void meldeFehlendenOrdner(const QString& ordner);

    MessageService& m_meldungen;
    int m_endeLaenge = 0;
    Leser m_lesen;
    std::function<void(const QString&)> m_anzeige;
    std::function<bool(const QString&)> m_pfadZulaessig;
};

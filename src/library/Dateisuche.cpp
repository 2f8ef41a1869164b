#include "library/Dateisuche.h"

#include "common/Helpers.h"
#include "common/MessageService.h"
#include "common/ProgrammEnde.h"
#include "errors/Procedure.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace {

constexpr qint64 kSummenGrenze = 1'500'000'000;

// Joins a folder and a name with exactly one separator.
QString verbinden(const QString& ordner, const QString& name)
{
    return Backslash(ordner) + QDir::separator() + name;
}

// Canonical paths always use "/", also on Windows; a root folder already ends with it.
QString kanonischVerbinden(const QString& kanonisch, const QString& name)
{
    return kanonisch.endsWith(QLatin1Char('/')) ? kanonisch + name : kanonisch + QLatin1Char('/') + name;
}

// A subfolder that is no link lies where its name says, so its canonical path
// needs no lookup of every folder on the way; a name with U+FFFD (bytes not
// valid in the file-name encoding) may lead nowhere and is looked up.
QString kanonischerUnterordner(const QFileInfo& info, const QString& kanonisch, const QString& name)
{
    if (info.isSymLink() || name.contains(QChar::ReplacementCharacter))
        return {};
    return kanonischVerbinden(kanonisch, name);
}

bool inSystemVolumeInformation(const QString& ordner)
{
    return ordner.contains(QLatin1String("System Volume Information"), Qt::CaseInsensitive);
}

// Often enough for the screen and a stop request, rarely enough that a scan
// of cached files does not spend its time asking for events.
constexpr int kEreignisAbstandMs = 10;

} // namespace

// What one FindFile call shares across its recursion.
struct Dateisuche::Lauf {
    QRegularExpression muster;
    qint64& nDirs;
    qint64& nFiles;
    QStringList* files; // null: not kept
    bool mitUnterordnern;
    // Canonical paths of the folders searched and of the files listed through a link.
    QSet<QString> ordner;
    QSet<QString> verknuepfteDateien;
    QElapsedTimer seitEreignissen;

    // Runs pending events, at the first call and then every few milliseconds.
    void ereignisseVerarbeiten()
    {
        if (seitEreignissen.isValid() && seitEreignissen.elapsed() < kEreignisAbstandMs)
            return;
        QCoreApplication::processEvents();
        seitEreignissen.start();
    }
};

Dateisuche::Dateisuche(MessageService& meldungen)
    : m_meldungen(meldungen)
{
}

void Dateisuche::setDateiGefunden(std::function<void(QFile&)> gefunden)
{
    m_gefunden = std::move(gefunden);
}

void Dateisuche::setGefundenAnzeige(std::function<void(const QString&)> anzeige)
{
    m_anzeige = std::move(anzeige);
}

void Dateisuche::setPfadZulaessig(std::function<bool(const QString&)> zulaessig)
{
    m_pfadZulaessig = std::move(zulaessig);
}

qint64 Dateisuche::FindFile(
    const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, QStringList& files, bool WithSubfolders)
{
    return suchen(sFol, sFile, nDirs, nFiles, &files, WithSubfolders);
}

qint64 Dateisuche::FindFile(const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, bool WithSubfolders)
{
    return suchen(sFol, sFile, nDirs, nFiles, nullptr, WithSubfolders);
}

qint64 Dateisuche::suchen(
    const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, QStringList* files, bool WithSubfolders)
{
    Procedure proc("Dateisuche",
        "qint64 Dateisuche::FindFile(const QString& sFol, const QString& sFile, qint64& nDirs, "
        "qint64& nFiles, QStringList& files, bool WithSubfolders)",
        { { "sFol", sFol }, { "sFile", sFile }, { "nDirs", nDirs }, { "nFiles", nFiles },
            { "WithSubfolders", WithSubfolders } });
    if (sFol.isEmpty())
        return 0;
    if (!QFileInfo(sFol).isDir()) {
        meldeFehlendenOrdner(sFol);
        return 0;
    }
    if (files && files->isEmpty())
        files->append(QString());
    Lauf lauf { QRegularExpression::fromWildcard(sFile, Qt::CaseInsensitive), nDirs, nFiles, files, WithSubfolders, {},
        {}, {} };
    return proc.value([&] { return ordnerDurchsuchen(sFol, lauf); }, qint64(0));
}

void Dateisuche::meldeFehlendenOrdner(const QString& ordner)
{
    m_meldungen.show(MessageService::Icon::Critical,
        QStringLiteral("Der angegebene Ordner \"") + ordner + QStringLiteral("\" wurde nicht gefunden!")
            + QLatin1Char('\n') + QStringLiteral("Bitte geben Sie beim Starten einen gültigen Ordner an!"));
}

qint64 Dateisuche::ordnerDurchsuchen(const QString& ordner, Lauf& lauf, QString kanonisch)
{
    if (inSystemVolumeInformation(ordner))
        return 0;
    // Empty for a folder that vanished, a broken link and a name whose bytes
    // are not valid in the file-name encoding (Qt shows them as U+FFFD).
    if (kanonisch.isEmpty())
        kanonisch = QFileInfo(ordner).canonicalFilePath();
    if (kanonisch.isEmpty() || lauf.ordner.contains(kanonisch))
        return 0;
    lauf.ordner.insert(kanonisch);

    qint64 summe = 0;
    QList<Unterordner> unterordner;
    if (!dateienDurchsuchen(ordner, kanonisch, lauf, summe, unterordner))
        return summe;
    ++lauf.nDirs;
    for (const Unterordner& unter : unterordner) {
        if (ProgrammEnde)
            break;
        lauf.ereignisseVerarbeiten();
        const qint64 teil = ordnerDurchsuchen(verbinden(ordner, unter.name), lauf, unter.kanonisch);
        if (summe < kSummenGrenze)
            summe += teil;
    }
    return summe;
}

// Every folder is searched once, so a plain file can only come twice through
// a link to it. Only link targets are remembered: a set of every path would
// cost more than reading the tags.
bool Dateisuche::verknuepftGezaehlt(const QString& kanonisch, const QString& name, const Lauf& lauf)
{
    return !lauf.verknuepfteDateien.isEmpty() && lauf.verknuepfteDateien.contains(kanonischVerbinden(kanonisch, name));
}

// A linked file counts unless its target was listed through another link, or
// lies in a folder searched already, where it was or will be listed itself.
bool Dateisuche::verknuepfungZaehlt(const QFileInfo& info, Lauf& lauf)
{
    const QString ziel = info.canonicalFilePath();
    if (ziel.isEmpty() || lauf.verknuepfteDateien.contains(ziel))
        return false;
    const QFileInfo zielInfo(ziel);
    if (lauf.ordner.contains(zielInfo.absolutePath()) && lauf.muster.match(zielInfo.fileName()).hasMatch())
        return false;
    lauf.verknuepfteDateien.insert(ziel);
    return true;
}

// One listing of the folder serves its files and its subfolders.
bool Dateisuche::dateienDurchsuchen(
    const QString& ordner, const QString& kanonisch, Lauf& lauf, qint64& summe, QList<Unterordner>& unterordner)
{
    const QString praefix = verbinden(ordner, QString());
    QDirIterator it(ordner, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (!eintragDurchsuchen(it.fileInfo(), praefix, kanonisch, lauf, summe, unterordner))
            return false;
        // After skipped entries too: a folder of many other files must not
        // keep the screen waiting.
        lauf.ereignisseVerarbeiten();
    }
    return true;
}

bool Dateisuche::eintragDurchsuchen(const QFileInfo& info, const QString& praefix, const QString& kanonisch, Lauf& lauf,
    qint64& summe, QList<Unterordner>& unterordner)
{
    const QString name = info.fileName();
    if (info.isDir()) {
        if (lauf.mitUnterordnern)
            unterordner.append({ name, kanonischerUnterordner(info, kanonisch, name) });
        return true;
    }
    // isFile() is false for broken links, devices and pipes, and for names
    // that are not valid in the file-name encoding: Qt shows their bytes as
    // U+FFFD, and that name leads nowhere.
    if (!info.isFile() || !lauf.muster.match(name).hasMatch())
        return true;
    const QString pfad = praefix + name;
    if (m_pfadZulaessig && !m_pfadZulaessig(pfad))
        return true;
    // The open file's size costs no second lookup of the path; a file that
    // cannot be opened is still listed. Size 0 also means the file vanished
    // since it was listed.
    QFile datei(pfad);
    const qint64 groesse = datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ? datei.size() : info.size();
    if (groesse <= 0)
        return true;
    if (info.isSymLink() ? !verknuepfungZaehlt(info, lauf) : verknuepftGezaehlt(kanonisch, name, lauf))
        return true;
    if (ProgrammEnde)
        return false;

    summe = qint64(std::nearbyint(double(summe) + double(groesse) / 1024.0));
    ++lauf.nFiles;
    if (m_anzeige)
        m_anzeige(QStringLiteral("Gefundene Lieder: ") + QString::number(lauf.nFiles));
    if (lauf.files)
        lauf.files->append(pfad);
    if (m_gefunden)
        m_gefunden(datei);
    return true;
}

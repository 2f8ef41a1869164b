#include "library/Dateisuche.h"

#include "common/Helpers.h"
#include "common/MessageService.h"
#include "common/ProgrammEnde.h"
#include "errors/Procedure.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
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

bool inSystemVolumeInformation(const QString& ordner)
{
    return ordner.contains(QLatin1String("System Volume Information"), Qt::CaseInsensitive);
}

void ereignisseVerarbeiten()
{
    QCoreApplication::processEvents();
}

} // namespace

// What one FindFile call shares across its recursion.
struct Dateisuche::Lauf {
    QStringList muster;
    qint64& nDirs;
    qint64& nFiles;
    QStringList& files;
    bool mitUnterordnern;
    // Canonical paths of the folders searched and the files listed.
    QSet<QString> ordner;
    QSet<QString> dateien;
};

Dateisuche::Dateisuche(MessageService& meldungen)
    : m_meldungen(meldungen)
{
}

void Dateisuche::setDateiGefunden(std::function<void(const QString&)> gefunden)
{
    m_gefunden = std::move(gefunden);
}

void Dateisuche::setGefundenAnzeige(std::function<void(const QString&)> anzeige)
{
    m_anzeige = std::move(anzeige);
}

qint64 Dateisuche::FindFile(
    const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, QStringList& files, bool WithSubfolders)
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
    if (files.isEmpty())
        files.append(QString());
    Lauf lauf { { sFile }, nDirs, nFiles, files, WithSubfolders, {}, {} };
    return proc.value([&] { return ordnerDurchsuchen(sFol, lauf); }, qint64(0));
}

void Dateisuche::meldeFehlendenOrdner(const QString& ordner)
{
    m_meldungen.show(MessageService::Icon::Critical,
        QStringLiteral("Der angegebene Ordner \"") + ordner + QStringLiteral("\" wurde nicht gefunden!")
            + QLatin1Char('\n') + QStringLiteral("Bitte geben Sie beim Starten einen gültigen Ordner an!"));
}

qint64 Dateisuche::ordnerDurchsuchen(const QString& ordner, Lauf& lauf)
{
    if (inSystemVolumeInformation(ordner))
        return 0;
    // Empty for a folder that vanished, a broken link and a name whose bytes
    // are not valid in the file-name encoding (Qt shows them as U+FFFD).
    const QString kanonisch = QFileInfo(ordner).canonicalFilePath();
    if (kanonisch.isEmpty() || lauf.ordner.contains(kanonisch))
        return 0;
    lauf.ordner.insert(kanonisch);

    qint64 summe = 0;
    if (!dateienDurchsuchen(ordner, kanonisch, lauf, summe))
        return summe;
    ++lauf.nDirs;
    if (!lauf.mitUnterordnern)
        return summe;

    // Listed first, so that changes below do not disturb the enumeration.
    QStringList unterordner;
    QDirIterator it(ordner, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        unterordner.append(it.fileName());
    }
    for (const QString& name : unterordner) {
        if (ProgrammEnde)
            break;
        ereignisseVerarbeiten();
        const qint64 teil = ordnerDurchsuchen(verbinden(ordner, name), lauf);
        if (summe < kSummenGrenze)
            summe += teil;
    }
    return summe;
}

bool Dateisuche::dateienDurchsuchen(const QString& ordner, const QString& kanonisch, Lauf& lauf, qint64& summe)
{
    QDirIterator it(ordner, lauf.muster, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        const QFileInfo info = it.fileInfo();
        // isFile() is false for folders, broken links, devices and pipes, and
        // for names that are not valid in the file-name encoding: Qt shows
        // their bytes as U+FFFD, and that name leads nowhere.
        // size() 0 also means the file vanished since it was listed.
        if (!info.isFile() || info.size() <= 0)
            continue;
        const QString pfad = verbinden(ordner, name);
        QString schluessel = info.isSymLink() ? info.canonicalFilePath() : kanonischVerbinden(kanonisch, name);
        if (schluessel == pfad)
            schluessel = pfad; // shares the text instead of holding a second copy
        if (schluessel.isEmpty() || lauf.dateien.contains(schluessel))
            continue;
        if (ProgrammEnde)
            return false;
        lauf.dateien.insert(schluessel);

        summe = qint64(std::nearbyint(double(summe) + double(info.size()) / 1024.0));
        ++lauf.nFiles;
        if (m_anzeige)
            m_anzeige(QStringLiteral("Gefundene Lieder: ") + QString::number(lauf.nFiles));
        lauf.files.append(pfad);
        if (m_gefunden)
            m_gefunden(pfad);
        ereignisseVerarbeiten();
    }
    return true;
}

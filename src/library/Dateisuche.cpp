#include "library/Dateisuche.h"

#include "common/Helpers.h"
#include "common/MessageService.h"
#include "common/ProgrammEnde.h"
#include "errors/Procedure.h"
#include "library/Fundschlange.h"
#include "platform/Dateiende.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QtConcurrent/QtConcurrentMap>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <thread>
#include <utility>

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

// 128 bits: two paths that differ never share one in practice.
using Ordnerkennung = std::pair<quint64, quint64>;

Ordnerkennung ordnerkennung(const QString& kanonisch)
{
    const QByteArray digest = QCryptographicHash::hash(kanonisch.toUtf8(), QCryptographicHash::Blake2s_128);
    Ordnerkennung kennung;
    std::memcpy(&kennung.first, digest.constData(), sizeof kennung.first);
    std::memcpy(&kennung.second, digest.constData() + sizeof kennung.first, sizeof kennung.second);
    return kennung;
}

bool inSystemVolumeInformation(const QString& ordner)
{
    return ordner.contains(QLatin1String("System Volume Information"), Qt::CaseInsensitive);
}

// Often enough for the screen and a stop request, rarely enough that a scan
// of cached files does not spend its time asking for events.
constexpr std::chrono::milliseconds kEreignisAbstand { 10 };

// Files read together: enough to keep every core busy, few enough that the
// stacks waiting for the screen's thread stay small.
constexpr std::size_t kStapelgroesse = 128;

} // namespace

// What one FindFile call's walk shares across its recursion, on the search's thread.
struct Dateisuche::Lauf {
    QRegularExpression muster;
    qint64& nDirs;
    bool mitUnterordnern;
    Fundschlange& schlange;
    std::stop_token halt;
    QThreadPool& leser;
    // The folders searched, by a digest of their canonical paths: the paths
    // themselves would cost a megabyte at the peak of a large scan.
    QSet<Ordnerkennung> ordner;
    // Canonical paths of the files listed through a link.
    QSet<QString> verknuepfteDateien;
    // Files listed since the last stack went to the readers.
    std::vector<Fundschlange::Fund> stapel;
};

// Runs pending events at the first call and then every few milliseconds.
class Dateisuche::Ereignisse {
public:
    void verarbeiten()
    {
        if (m_seit.isValid() && std::chrono::milliseconds(m_seit.elapsed()) < kEreignisAbstand)
            return;
        QCoreApplication::processEvents();
        m_seit.start();
    }
    std::chrono::milliseconds bisZumNaechsten() const
    {
        return std::max(kEreignisAbstand - std::chrono::milliseconds(m_seit.elapsed()), std::chrono::milliseconds(0));
    }

private:
    QElapsedTimer m_seit;
};

Dateisuche::Dateisuche(MessageService& meldungen)
    : m_meldungen(meldungen)
{
}

void Dateisuche::setDateiGefunden(int endeLaenge, Leser lesen)
{
    m_endeLaenge = endeLaenge;
    m_lesen = std::move(lesen);
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

qint64 Dateisuche::FindFile(
    const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, bool WithSubfolders)
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
    return proc.value([&] { return durchsuchenLassen(sFol, sFile, nDirs, nFiles, files, WithSubfolders); }, qint64(0));
}

// A scan is bound by system calls. So the walk runs on a thread of its own,
// the files are read on every core, and this thread only keeps the screen
// alive and hands the files on in the order found.
qint64 Dateisuche::durchsuchenLassen(
    const QString& sFol, const QString& sFile, qint64& nDirs, qint64& nFiles, QStringList* files, bool WithSubfolders)
{
    // Declared in this order, so that also after a stop or a fault the walk
    // ends first, then every reading, and only then the stacks they read
    // into go.
    Fundschlange schlange;
    std::vector<Fundschlange::Stapel> genommen;
    QThreadPool leser;
    std::exception_ptr fehler;
    std::jthread suche([&](std::stop_token halt) {
        Lauf lauf { QRegularExpression::fromWildcard(sFile, Qt::CaseInsensitive), nDirs, WithSubfolders, schlange,
            std::move(halt), leser, {}, {}, {} };
        try {
            if (ordnerDurchsuchen(sFol, lauf))
                stapelAbgeben(lauf);
        } catch (...) {
            fehler = std::current_exception();
        }
        schlange.beenden();
    });
    qint64 summe = 0;
    uebergeben(schlange, genommen, summe, nFiles, files);
    suche.request_stop();
    suche.join();
    if (fehler)
        std::rethrow_exception(fehler);
    return summe;
}

void Dateisuche::uebergeben(Fundschlange& schlange, std::vector<Fundschlange::Stapel>& genommen, qint64& summe,
    qint64& nFiles, QStringList* files)
{
    Ereignisse ereignisse;
    ereignisse.verarbeiten();
    while (!schlange.erschoepft()) {
        genommen = schlange.nehmen(ereignisse.bisZumNaechsten());
        for (Fundschlange::Stapel& stapel : genommen) {
            // Read already: this only passes on a fault of the reading and
            // makes the readers' writes visible here.
            stapel.gelesen.waitForFinished();
            for (Fundschlange::Fund& fund : stapel.funde) {
                // Size 0 also means the file vanished since it was listed.
                if (fund.groesse <= 0)
                    continue;
                if (ProgrammEnde)
                    return;
                uebergeben(fund, summe, nFiles, files);
                ereignisse.verarbeiten();
            }
        }
        ereignisse.verarbeiten();
    }
}

void Dateisuche::uebergeben(Fundschlange::Fund& fund, qint64& summe, qint64& nFiles, QStringList* files)
{
    if (summe < kSummenGrenze)
        summe = qint64(std::nearbyint(double(summe) + double(fund.groesse) / 1024.0));
    ++nFiles;
    if (m_anzeige)
        m_anzeige(QStringLiteral("Gefundene Lieder: ") + QString::number(nFiles));
    if (files)
        files->append(fund.pfad);
    if (fund.uebergabe)
        fund.uebergabe();
}

void Dateisuche::meldeFehlendenOrdner(const QString& ordner)
{
    m_meldungen.show(MessageService::Icon::Critical,
        QStringLiteral("Der angegebene Ordner \"") + ordner + QStringLiteral("\" wurde nicht gefunden!")
            + QLatin1Char('\n') + QStringLiteral("Bitte geben Sie beim Starten einen gültigen Ordner an!"));
}

bool Dateisuche::ordnerDurchsuchen(const QString& ordner, Lauf& lauf, QString kanonisch)
{
    if (inSystemVolumeInformation(ordner))
        return true;
    // Empty for a folder that vanished, a broken link and a name whose bytes
    // are not valid in the file-name encoding (Qt shows them as U+FFFD).
    if (kanonisch.isEmpty())
        kanonisch = QFileInfo(ordner).canonicalFilePath();
    if (kanonisch.isEmpty())
        return true;
    const Ordnerkennung kennung = ordnerkennung(kanonisch);
    if (lauf.ordner.contains(kennung))
        return true;
    lauf.ordner.insert(kennung);

    QList<Unterordner> unterordner;
    if (!dateienDurchsuchen(ordner, kanonisch, lauf, unterordner))
        return false;
    ++lauf.nDirs;
    for (const Unterordner& unter : unterordner) {
        if (!ordnerDurchsuchen(verbinden(ordner, unter.name), lauf, unter.kanonisch))
            return false;
    }
    return true;
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
    if (lauf.ordner.contains(ordnerkennung(zielInfo.absolutePath()))
        && lauf.muster.match(zielInfo.fileName()).hasMatch())
        return false;
    lauf.verknuepfteDateien.insert(ziel);
    return true;
}

// One listing of the folder serves its files and its subfolders.
bool Dateisuche::dateienDurchsuchen(
    const QString& ordner, const QString& kanonisch, Lauf& lauf, QList<Unterordner>& unterordner)
{
    const QString praefix = verbinden(ordner, QString());
    QDirIterator it(ordner, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        if (lauf.halt.stop_requested())
            return false;
        it.next();
        eintragNotieren(it.fileInfo(), praefix, kanonisch, lauf, unterordner);
        if (lauf.stapel.size() == kStapelgroesse && !stapelAbgeben(lauf))
            return false;
    }
    return true;
}

void Dateisuche::eintragNotieren(const QFileInfo& info, const QString& praefix, const QString& kanonisch, Lauf& lauf,
    QList<Unterordner>& unterordner)
{
    const QString name = info.fileName();
    if (info.isDir()) {
        if (lauf.mitUnterordnern)
            unterordner.append({ name, kanonischerUnterordner(info, kanonisch, name) });
        return;
    }
    // isFile() is false for broken links, devices and pipes, and for names
    // that are not valid in the file-name encoding: Qt shows their bytes as
    // U+FFFD, and that name leads nowhere.
    if (!info.isFile() || !lauf.muster.match(name).hasMatch())
        return;
    const QString pfad = praefix + name;
    if (m_pfadZulaessig && !m_pfadZulaessig(pfad))
        return;
    if (info.isSymLink() ? !verknuepfungZaehlt(info, lauf) : verknuepftGezaehlt(kanonisch, name, lauf))
        return;
    lauf.stapel.push_back({ pfad, 0, {} });
}

bool Dateisuche::stapelAbgeben(Lauf& lauf)
{
    if (lauf.stapel.empty())
        return true;
    Fundschlange::Stapel stapel { std::exchange(lauf.stapel, {}), {} };
    // The readers fill in the stack's own elements, which moving the stack
    // into the queue leaves where they are.
    stapel.gelesen = QtConcurrent::map(&lauf.leser, stapel.funde, [this](Fundschlange::Fund& fund) { lesen(fund); });
    if (lauf.schlange.einreihen(stapel, lauf.halt))
        return true;
    stapel.gelesen.cancel();
    stapel.gelesen.waitForFinished();
    return false;
}

void Dateisuche::lesen(Fundschlange::Fund& fund) const
{
    // The size comes with the file's end; a file that cannot be read is still listed.
    const Dateiende ende = Dateiende::lesen(fund.pfad, m_endeLaenge);
    fund.groesse = ende.gelesen ? ende.groesse : QFileInfo(fund.pfad).size();
    if (fund.groesse > 0 && m_lesen)
        fund.uebergabe = m_lesen(fund.pfad, ende);
}

#include "playback/Lautheitsausgleich.h"

#include "platform/AppPaths.h"
#include "playback/Arbeiterabschied.h"
#include "playback/Lautheitsmessung.h"
#include "playback/Lautheitsspeicher.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

namespace {

struct Dateistand {
    qint64 groesse;
    qint64 geaendertMs;
};

std::optional<Dateistand> stand(const QString& pfad)
{
    const QFileInfo info(pfad);
    if (!info.isFile())
        return std::nullopt;
    return Dateistand { info.size(), info.lastModified().toMSecsSinceEpoch() };
}

bool unveraendert(const QString& pfad, const Lautheitsspeicher::Eintrag& eintrag)
{
    const auto jetzt = stand(pfad);
    return jetzt && jetzt->groesse == eintrag.groesse && jetzt->geaendertMs == eintrag.geaendertMs;
}

// The song's figures from the cache or, for a song it does not know as it
// is now, measured and added to it (`neu` then tells the file is behind).
std::optional<Lautheitsspeicher::Eintrag> bestimmen(
    Lautheitsspeicher& speicher, const QString& pfad, const std::atomic<bool>& abbruch, bool& neu)
{
    const auto jetzt = stand(pfad);
    if (!jetzt)
        return std::nullopt;
    if (const auto bekannt = speicher.finden(pfad, jetzt->groesse, jetzt->geaendertMs))
        return Lautheitsspeicher::Eintrag { jetzt->groesse, jetzt->geaendertMs, *bekannt };
    std::optional<Lautheitswerte> werte;
    try {
        werte = Lautheitsmessung::datei(pfad, abbruch);
    } catch (const std::exception&) {
        // Out of memory on one song leaves it at unity gain; the worker goes on.
    }
    if (!werte)
        return std::nullopt;
    const Lautheitsspeicher::Eintrag eintrag { jetzt->groesse, jetzt->geaendertMs, *werte };
    neu = speicher.eintragen(pfad, eintrag) || neu;
    return eintrag;
}

} // namespace

// What the worker shares with the screen's side. It outlives the
// Lautheitsausgleich when a read hangs at the close.
struct Lautheitsausgleich::Arbeit {
    explicit Arbeit(QString datei)
        : cachedatei(std::move(datei))
    {
    }

    const QString cachedatei;
    mutable std::mutex mutex;
    std::condition_variable wecker;
    std::condition_variable verlassen;
    std::deque<QString> auftraege;
    int unterwegs = 0;
    bool ende = false;
    bool ausgestiegen = false;
    std::atomic<bool> abbruch { false };
    // The figures of the songs queued in this run, as the worker found or measured them.
    QHash<QString, Lautheitsspeicher::Eintrag> ergebnisse;
};

Lautheitsausgleich::Lautheitsausgleich(QString cachedatei)
    : m_arbeit(std::make_shared<Arbeit>(std::move(cachedatei)))
{
}

Lautheitsausgleich::~Lautheitsausgleich()
{
    if (!m_arbeiter.joinable())
        return;
    std::unique_lock lock(m_arbeit->mutex);
    m_arbeit->ende = true;
    m_arbeit->abbruch = true;
    m_arbeit->auftraege.clear();
    m_arbeit->wecker.notify_one();
    Arbeiterabschied(m_arbeiter, lock, m_arbeit->verlassen, m_arbeit->ausgestiegen);
}

void Lautheitsausgleich::vormerken(const QString& pfad)
{
    if (!m_arbeiter.joinable())
        m_arbeiter = std::thread(&Lautheitsausgleich::arbeiten, m_arbeit);
    std::lock_guard lock(m_arbeit->mutex);
    std::deque<QString>& auftraege = m_arbeit->auftraege;
    if (std::find(auftraege.begin(), auftraege.end(), pfad) != auftraege.end())
        return;
    auftraege.push_back(pfad);
    ++m_arbeit->unterwegs;
    m_arbeit->wecker.notify_one();
}

double Lautheitsausgleich::faktor(const QString& pfad) const
{
    std::optional<Lautheitsspeicher::Eintrag> eintrag;
    {
        std::lock_guard lock(m_arbeit->mutex);
        const auto it = m_arbeit->ergebnisse.constFind(pfad);
        if (it != m_arbeit->ergebnisse.constEnd())
            eintrag = *it;
    }
    return eintrag && unveraendert(pfad, *eintrag) ? eintrag->werte.faktor() : 1.0;
}

int Lautheitsausgleich::offen() const
{
    std::lock_guard lock(m_arbeit->mutex);
    return m_arbeit->unterwegs;
}

void Lautheitsausgleich::arbeiten(const std::shared_ptr<Arbeit>& arbeit)
{
    const QString datei = arbeit->cachedatei.isEmpty()
        ? QDir(AppPaths::userDataFolder()).filePath(QStringLiteral("Lautheit.txt"))
        : arbeit->cachedatei;
    Lautheitsspeicher speicher = Lautheitsspeicher::laden(datei);
    // Songs deleted or changed since they were measured would only make the file grow.
    speicher.behalten(unveraendert);
    bool neu = false;
    for (;;) {
        QString pfad;
        {
            std::unique_lock lock(arbeit->mutex);
            arbeit->wecker.wait(lock, [&] { return arbeit->ende || !arbeit->auftraege.empty(); });
            if (arbeit->ende)
                break;
            pfad = arbeit->auftraege.front();
            arbeit->auftraege.pop_front();
        }
        const std::optional<Lautheitsspeicher::Eintrag> eintrag = bestimmen(speicher, pfad, arbeit->abbruch, neu);
        std::unique_lock lock(arbeit->mutex);
        if (eintrag)
            arbeit->ergebnisse.insert(pfad, *eintrag);
        // The whole file is rewritten once the songs queued together are done, not per song.
        // A cache that cannot be written costs only measuring again in the next run.
        const bool fertig = arbeit->auftraege.empty();
        lock.unlock();
        if (fertig && std::exchange(neu, false))
            speicher.speichern(datei);
        lock.lock();
        --arbeit->unterwegs;
    }
    std::lock_guard lock(arbeit->mutex);
    arbeit->ausgestiegen = true;
    arbeit->verlassen.notify_all();
}

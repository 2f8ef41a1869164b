#include "playback/Dauermessung.h"

#include "common/FlexGrid.h"
#include "common/ProgrammEnde.h"
#include "library/Archiv.h"
#include "playback/ModPlayer.h"
#include "playback/Mp3Length.h"
#include "playback/Zeittext.h"

#include <QSet>

#include <chrono>

Dauermessung::Dauermessung(FlexGrid& archiv, Laengenmesser messer, QObject* parent)
    : QObject(parent)
    , m_archiv(archiv)
    , m_messer(std::move(messer))
{
}

Dauermessung::~Dauermessung()
{
    beenden();
    if (m_arbeiter.joinable())
        m_arbeiter.join();
}

qint64 Dauermessung::Dateilaenge(const QString& datei)
{
    const std::optional<Mp3Length::Duration> dauer = Mp3Length::of(datei);
    if (!dauer || dauer->sampleRate <= 0)
        return Zeittext::kUnbekannteDauer;
    return ModPlayer::wholeSeconds(dauer->milliseconds());
}

void Dauermessung::ZeitenEinlesen(bool NurSichtbare)
{
    if (ProgrammEnde) {
        beenden();
        return;
    }
    if (!m_arbeiter.joinable())
        m_arbeiter = std::thread([this] { arbeiten(); });
    if (NurSichtbare) {
        if (m_neustart && m_vollLaeuft)
            vollerLauf();
        sichtbareZeilen();
    } else {
        // A new scan measures every file afresh; only a restart of a running one keeps what it has.
        if (!m_vollLaeuft)
            m_gemessen.clear();
        m_vollLaeuft = true;
        vollerLauf();
    }
    pruefeFertig();
}

void Dauermessung::setZeitenNeustart(bool neustart)
{
    m_neustart = neustart;
}

bool Dauermessung::braucht(int zeile)
{
    if (!m_archiv.TextMatrix(zeile, Archiv::Dauer).isEmpty())
        return false;
    const QString datei = m_archiv.TextMatrix(zeile, Archiv::Pfad);
    if (datei.isEmpty())
        return false;
    const auto bekannt = m_gemessen.constFind(datei);
    if (bekannt == m_gemessen.cend())
        return true;
    m_archiv.setTextMatrix(zeile, Archiv::Dauer, Zeittext::Dauer(*bekannt));
    return false;
}

void Dauermessung::vollerLauf()
{
    m_neustart = false;
    std::deque<Auftrag> neu;
    for (int zeile = 1; zeile < m_archiv.Rows(); ++zeile) {
        if (braucht(zeile))
            neu.push_back({ zeile, m_archiv.TextMatrix(zeile, Archiv::Pfad) });
    }
    std::lock_guard lock(m_mutex);
    // The old list named rows by their former order.
    m_offen += int(neu.size()) - int(m_auftraege.size());
    m_auftraege = std::move(neu);
    m_wecker.notify_one();
}

void Dauermessung::sichtbareZeilen()
{
    std::deque<Auftrag> vorn;
    QSet<QString> dateien;
    for (int zeile = m_archiv.TopRow(); zeile < m_archiv.Rows() && m_archiv.RowIsVisible(zeile); ++zeile) {
        if (braucht(zeile)) {
            vorn.push_back({ zeile, m_archiv.TextMatrix(zeile, Archiv::Pfad) });
            dateien.insert(vorn.back().datei);
        }
    }
    if (vorn.empty())
        return;
    std::lock_guard lock(m_mutex);
    // Rows on screen go first; the full scan's entry for the same file would measure it twice.
    const auto doppelt = std::erase_if(m_auftraege, [&](const Auftrag& a) { return dateien.contains(a.datei); });
    m_offen += int(vorn.size()) - int(doppelt);
    m_auftraege.insert(m_auftraege.begin(), vorn.begin(), vorn.end());
    m_wecker.notify_one();
}

void Dauermessung::arbeiten()
{
    std::vector<Ergebnis> fertige;
    auto abgegeben = std::chrono::steady_clock::now();
    const auto abgeben = [&] {
        QMetaObject::invokeMethod(
            this,
            [this, buendel = std::move(fertige)] {
                for (const Ergebnis& e : buendel)
                    ergebnis(e.zeile, e.datei, e.sekunden);
            },
            Qt::QueuedConnection);
        fertige.clear();
        abgegeben = std::chrono::steady_clock::now();
    };
    for (;;) {
        Auftrag auftrag;
        {
            std::unique_lock lock(m_mutex);
            if (m_auftraege.empty() && !fertige.empty()) {
                lock.unlock();
                abgeben();
                continue;
            }
            m_wecker.wait(lock, [this] { return m_ende || !m_auftraege.empty(); });
            if (m_ende)
                return;
            auftrag = std::move(m_auftraege.front());
            m_auftraege.pop_front();
        }
        qint64 sekunden = Zeittext::kUnbekannteDauer;
        try {
            sekunden = m_messer(auftrag.datei);
        } catch (...) {
            // An unreadable file counts as five minutes, like one without a length.
        }
        fertige.push_back({ auftrag.zeile, std::move(auftrag.datei), sekunden });
        // Results go back in bundles: one event per file would cost the UI thread more than the measuring.
        if (fertige.size() >= kBuendel || std::chrono::steady_clock::now() - abgegeben > kHoechstensWarten)
            abgeben();
    }
}

void Dauermessung::ergebnis(int zeile, const QString& datei, qint64 sekunden)
{
    --m_offen;
    if (ProgrammEnde) {
        beenden();
        return;
    }
    if (zeile < m_archiv.Rows() && m_archiv.TextMatrix(zeile, Archiv::Pfad) == datei) {
        if (m_archiv.TextMatrix(zeile, Archiv::Dauer).isEmpty())
            m_archiv.setTextMatrix(zeile, Archiv::Dauer, Zeittext::Dauer(sekunden));
    } else {
        m_gemessen.insert(datei, sekunden);
    }
    if (m_neustart && m_vollLaeuft)
        vollerLauf();
    pruefeFertig();
}

void Dauermessung::pruefeFertig()
{
    if (!m_vollLaeuft || m_offen > 0)
        return;
    m_vollLaeuft = false;
    m_fertig = true;
    m_neustart = false;
    emit fertig();
}

void Dauermessung::beenden()
{
    std::lock_guard lock(m_mutex);
    m_offen -= int(m_auftraege.size());
    m_auftraege.clear();
    m_ende = true;
    m_vollLaeuft = false;
    m_wecker.notify_one();
}

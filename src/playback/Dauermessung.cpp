#include "playback/Dauermessung.h"

#include "common/FlexGrid.h"
#include "common/ProgrammEnde.h"
#include "library/Archiv.h"
#include "playback/Arbeiterabschied.h"
#include "playback/ModPlayer.h"
#include "playback/Mp3Length.h"
#include "playback/Zeittext.h"

#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace {

// Results go back in bundles: one event per file would cost the UI thread more than the measuring.
constexpr std::size_t kBuendel = 64;
constexpr std::chrono::milliseconds kHoechstensWarten { 20 };

} // namespace

// What the worker shares with the window's side. It outlives the
// Dauermessung when a read hangs at the close.
struct Dauermessung::Arbeit {
    struct Auftrag {
        int zeile;
        QString datei;
        int lauf;
    };
    explicit Arbeit(Laengenmesser m)
        : messer(std::move(m))
    {
    }

    const Laengenmesser messer;
    std::mutex mutex;
    std::condition_variable wecker;
    std::condition_variable verlassen;
    std::deque<Auftrag> auftraege;
    bool ende = false;
    bool ausgestiegen = false;
    // Null once the Dauermessung is gone: results then go nowhere.
    Dauermessung* empfaenger = nullptr;
};

Dauermessung::Dauermessung(FlexGrid& archiv, Laengenmesser messer, QObject* parent)
    : QObject(parent)
    , m_archiv(archiv)
    , m_arbeit(std::make_shared<Arbeit>(std::move(messer)))
{
    m_arbeit->empfaenger = this;
}

Dauermessung::~Dauermessung()
{
    beenden();
    if (!m_arbeiter.joinable())
        return;
    std::unique_lock lock(m_arbeit->mutex);
    m_arbeit->empfaenger = nullptr;
    Arbeiterabschied(m_arbeiter, lock, m_arbeit->verlassen, m_arbeit->ausgestiegen);
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
        m_arbeiter = std::thread(&Dauermessung::arbeiten, m_arbeit);
    if (NurSichtbare)
        sichtbareZeilen();
    else
        neuerLauf();
    weitergehen();
}

void Dauermessung::setZeitenNeustart(bool neustart)
{
    m_neustart = neustart;
}

void Dauermessung::neuerLauf()
{
    {
        std::lock_guard lock(m_arbeit->mutex);
        m_arbeit->auftraege.clear();
    }
    // The archive was built anew: a file may have been replaced since an earlier measurement.
    ++m_lauf;
    m_unterwegs.clear();
    m_gemessen.clear();
    m_vollLaeuft = true;
    m_neustart = false;
    m_nachlese = false;
    m_zeiger = 1;
}

bool Dauermessung::leer(int zeile)
{
    if (!m_archiv.TextView(zeile, Archiv::Dauer).isEmpty() || m_archiv.TextView(zeile, Archiv::Pfad).isEmpty())
        return false;
    if (m_gemessen.isEmpty())
        return true;
    const auto bekannt = m_gemessen.constFind(m_archiv.TextMatrix(zeile, Archiv::Pfad));
    if (bekannt == m_gemessen.cend())
        return true;
    m_archiv.setTextMatrix(zeile, Archiv::Dauer, Zeittext::Dauer(*bekannt));
    return false;
}

void Dauermessung::weitergehen()
{
    if (m_vollLaeuft) {
        if (m_neustart) {
            m_neustart = false;
            m_zeiger = 1;
        }
        std::vector<Arbeit::Auftrag> neu;
        int geschaut = 0;
        for (; m_unterwegs.size() < kVorrat && geschaut < kSchritt; ++m_zeiger, ++geschaut) {
            if (m_zeiger >= m_archiv.Rows() && m_nachlese) {
                m_nachlese = false;
                m_zeiger = 1;
            }
            if (m_zeiger >= m_archiv.Rows())
                break;
            if (!leer(m_zeiger))
                continue;
            QString datei = m_archiv.TextMatrix(m_zeiger, Archiv::Pfad);
            if (m_unterwegs.contains(datei))
                continue;
            m_unterwegs.insert(datei);
            neu.push_back({ m_zeiger, std::move(datei), m_lauf });
        }
        if (!neu.empty()) {
            std::lock_guard lock(m_arbeit->mutex);
            m_arbeit->auftraege.insert(
                m_arbeit->auftraege.end(), std::make_move_iterator(neu.begin()), std::make_move_iterator(neu.end()));
            m_arbeit->wecker.notify_one();
        }
        if (geschaut == kSchritt && !m_weiterGeplant) {
            m_weiterGeplant = true;
            QTimer::singleShot(0, this, [this] {
                m_weiterGeplant = false;
                if (ProgrammEnde)
                    beenden();
                else
                    weitergehen();
            });
        }
    }
    pruefeFertig();
}

void Dauermessung::sichtbareZeilen()
{
    std::vector<Arbeit::Auftrag> vorn;
    QSet<QString> dateien;
    for (int zeile = m_archiv.TopRow(); zeile < m_archiv.Rows() && m_archiv.RowIsVisible(zeile); ++zeile) {
        if (leer(zeile)) {
            vorn.push_back({ zeile, m_archiv.TextMatrix(zeile, Archiv::Pfad), m_lauf });
            dateien.insert(vorn.back().datei);
        }
    }
    if (vorn.empty())
        return;
    std::lock_guard lock(m_arbeit->mutex);
    std::deque<Arbeit::Auftrag>& schlange = m_arbeit->auftraege;
    // Rows on screen go first: a file already waiting moves to the front instead of being measured twice ...
    QSet<QString> vorgezogen;
    std::erase_if(schlange, [&](const Arbeit::Auftrag& a) {
        const bool sichtbar = dateien.contains(a.datei);
        if (sichtbar)
            vorgezogen.insert(a.datei);
        return sichtbar;
    });
    // ... and one being measured right now is left to finish.
    std::erase_if(
        vorn, [&](const Arbeit::Auftrag& a) { return m_unterwegs.contains(a.datei) && !vorgezogen.contains(a.datei); });
    for (const Arbeit::Auftrag& a : vorn)
        m_unterwegs.insert(a.datei);
    schlange.insert(schlange.begin(), vorn.begin(), vorn.end());
    m_arbeit->wecker.notify_one();
}

void Dauermessung::arbeiten(const std::shared_ptr<Arbeit>& arbeit)
{
    std::vector<Ergebnis> fertige;
    auto abgegeben = std::chrono::steady_clock::now();
    const auto abgeben = [&] {
        std::lock_guard lock(arbeit->mutex);
        if (Dauermessung* empfaenger = arbeit->empfaenger) {
            QMetaObject::invokeMethod(
                empfaenger, [empfaenger, buendel = std::move(fertige)] { empfaenger->buendel(buendel); },
                Qt::QueuedConnection);
        }
        fertige.clear();
        abgegeben = std::chrono::steady_clock::now();
    };
    for (;;) {
        Arbeit::Auftrag auftrag;
        {
            std::unique_lock lock(arbeit->mutex);
            if (arbeit->auftraege.empty() && !fertige.empty()) {
                lock.unlock();
                abgeben();
                continue;
            }
            arbeit->wecker.wait(lock, [&] { return arbeit->ende || !arbeit->auftraege.empty(); });
            if (arbeit->ende) {
                arbeit->ausgestiegen = true;
                arbeit->verlassen.notify_all();
                return;
            }
            auftrag = std::move(arbeit->auftraege.front());
            arbeit->auftraege.pop_front();
        }
        qint64 sekunden = Zeittext::kUnbekannteDauer;
        try {
            sekunden = arbeit->messer(auftrag.datei);
        } catch (...) {
            // An unreadable file counts as five minutes, like one without a length.
        }
        fertige.push_back({ auftrag.zeile, std::move(auftrag.datei), sekunden, auftrag.lauf });
        if (fertige.size() >= kBuendel || std::chrono::steady_clock::now() - abgegeben > kHoechstensWarten)
            abgeben();
    }
}

void Dauermessung::buendel(const std::vector<Ergebnis>& ergebnisse)
{
    if (ProgrammEnde) {
        beenden();
        return;
    }
    for (const Ergebnis& e : ergebnisse)
        ergebnis(e);
    weitergehen();
}

void Dauermessung::ergebnis(const Ergebnis& e)
{
    if (e.lauf != m_lauf)
        return;
    m_unterwegs.remove(e.datei);
    if (e.zeile < m_archiv.Rows() && m_archiv.TextView(e.zeile, Archiv::Pfad) == e.datei) {
        if (m_archiv.TextView(e.zeile, Archiv::Dauer).isEmpty())
            m_archiv.setTextMatrix(e.zeile, Archiv::Dauer, Zeittext::Dauer(e.sekunden));
    } else {
        m_gemessen.insert(e.datei, e.sekunden);
        m_nachlese = m_nachlese || m_vollLaeuft;
    }
}

void Dauermessung::pruefeFertig()
{
    if (!m_vollLaeuft || !m_unterwegs.isEmpty() || m_nachlese || m_zeiger < m_archiv.Rows())
        return;
    m_vollLaeuft = false;
    m_fertig = true;
    m_neustart = false;
    emit fertig();
}

void Dauermessung::beenden()
{
    std::lock_guard lock(m_arbeit->mutex);
    m_arbeit->auftraege.clear();
    m_arbeit->ende = true;
    m_arbeit->wecker.notify_one();
    m_unterwegs.clear();
    m_vollLaeuft = false;
}

#include "controls/Funbuttonsteuerung.h"

#include <cmath>

namespace {

constexpr int kLinks = 1;
constexpr int kRechts = 2;

int runden(double wert)
{
    return int(std::nearbyint(wert));
}

} // namespace

Funbuttonsteuerung::Funbuttonsteuerung(const Taktgeber::Fabrik& fabrik, QObject* parent)
    : QObject(parent)
    , m_TimerVerzoegerung(fabrik(kVerzoegerungMs, [this] { TimerVerzoegerung_Timer(); }))
    , m_TimerRepeat(fabrik(kRepeatMs, [this] { TimerRepeat_Timer(); }))
    , m_TimerBlinken(fabrik(kBlinkenMs, [this] { TimerBlinken_Timer(); }))
{
}

Funbuttonsteuerung::~Funbuttonsteuerung() = default;

bool Funbuttonsteuerung::gesperrt(int Button) const
{
    return LinksGesperrt && Button != kRechts;
}

void Funbuttonsteuerung::druecken(int Button, int Shift, double X, double Y)
{
    m_gedrueckt = true;
    m_gedrueckterButton = Button;
    const bool wirksam = m_Enabled && !gesperrt(Button);
    if (wirksam)
        m_TimerVerzoegerung->starten();
    zeigen(false, wirksam, !wirksam);
    emit MouseDown(Button, Shift, runden(X), runden(Y));
    emit Click();
    if (!wirksam)
        emit ClickDisabled();
}

void Funbuttonsteuerung::loslassen(int Button, int Shift, double X, double Y)
{
    // Only the release of a press in progress is one: after a lost press or a double click it is a stray.
    const bool warGedrueckt = m_gedrueckt;
    beenden();
    if (warGedrueckt && m_Enabled)
        emit MouseUp(Button, Shift, runden(X), runden(Y));
}

void Funbuttonsteuerung::doppelklick()
{
    druecken(kLinks, 0, 0, 0);
    loslassen(kLinks, 0, 0, 0);
}

void Funbuttonsteuerung::druckVerloren()
{
    if (m_gedrueckt)
        beenden();
}

void Funbuttonsteuerung::beenden()
{
    m_gedrueckt = false;
    m_TimerVerzoegerung->stoppen();
    // Also a press that was disabled while held repeats no further.
    m_TimerRepeat->stoppen();
    zeigen(true, false, false);
}

void Funbuttonsteuerung::TimerVerzoegerung_Timer()
{
    m_TimerVerzoegerung->stoppen();
    // Without repeat a press is one click: a second one would take a song
    // twice or pause and resume at once.
    if (m_RepeatEnabled && m_Enabled && m_gedrueckt)
        m_TimerRepeat->starten();
}

void Funbuttonsteuerung::TimerRepeat_Timer()
{
    emit Click();
    if (!(m_Enabled && m_gedrueckt && m_RepeatEnabled))
        m_TimerRepeat->stoppen();
}

void Funbuttonsteuerung::TimerBlinken_Timer()
{
    m_Blinkphase = m_Blinkphase == 1 ? 0 : 1;
    zeigen(m_Blinkphase == 1, m_Picture2, m_Picture3);
}

void Funbuttonsteuerung::setEnabled(bool wert)
{
    m_Enabled = wert;
    if (!wert)
        druckDeaktivieren();
}

void Funbuttonsteuerung::setEnabledLinks(bool wert)
{
    m_EnabledLinks = wert;
    if (!wert && m_gedrueckterButton == kLinks)
        druckDeaktivieren();
}

void Funbuttonsteuerung::setEnabledRechts(bool wert)
{
    m_EnabledRechts = wert;
    if (!wert && m_gedrueckterButton == kRechts)
        druckDeaktivieren();
}

void Funbuttonsteuerung::druckDeaktivieren()
{
    if (m_gedrueckt && m_Picture2)
        zeigen(m_Picture1, false, true);
}

void Funbuttonsteuerung::setBlinken(bool wert)
{
    if (wert == m_Blinken)
        return;
    m_Blinken = wert;
    if (wert)
        m_TimerBlinken->starten();
    else
        m_TimerBlinken->stoppen();
    m_Blinkphase = 0;
    zeigen(!wert, m_Picture2, m_Picture3);
}

Funbuttonsteuerung::Bild Funbuttonsteuerung::sichtbaresBild() const
{
    if (m_Picture3)
        return Bild::Deaktiviert;
    if (m_Picture2)
        return Bild::Gedrueckt;
    return m_Picture1 ? Bild::Normal : Bild::Keins;
}

void Funbuttonsteuerung::zeigen(bool p1, bool p2, bool p3)
{
    const Bild vorher = sichtbaresBild();
    m_Picture1 = p1;
    m_Picture2 = p2;
    m_Picture3 = p3;
    if (sichtbaresBild() != vorher)
        emit bildGewechselt();
}
